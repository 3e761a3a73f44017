#include "ui/colorbox.h"

#include <QApplication>
#include <QColorDialog>
#include <QPainter>
#include <QPalette>
#include <QPixmap>

namespace lumolex {

namespace {

QIcon swatch(const QColor &color)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    if (color.isValid()) {
        QPainter painter(&pixmap);
        painter.fillRect(1, 1, 14, 14, color);
        painter.setPen(Qt::black);
        painter.drawRect(1, 1, 13, 13);
    }
    return QIcon(pixmap);
}

struct NamedColor {
    QRgb rgb;
    const char16_t *name;
};

// The standard colours, then the extended ones.
constexpr NamedColor kListed[] = {
    {0x000000, u"Черный"},       {0x800000, u"Темно-красный"}, {0x008000, u"Зеленый"},
    {0x808000, u"Оливковый"},    {0x000080, u"Темно-синий"},   {0x800080, u"Фиолетовый"},
    {0x008080, u"Сине-зеленый"}, {0x808080, u"Серый"},         {0xC0C0C0, u"Серебристый"},
    {0xFF0000, u"Красный"},      {0x00FF00, u"Салатовый"},     {0xFFFF00, u"Желтый"},
    {0x0000FF, u"Синий"},        {0xFF00FF, u"Фуксия"},        {0x00FFFF, u"Бирюзовый"},
    {0xFFFFFF, u"Белый"},
    {0xC0DCC0, u"Светло-зеленый"}, {0xA6CAF0, u"Небесно-голубой"}, {0xFFFBF0, u"Кремовый"},
    {0xA0A0A4, u"Средне-серый"},
};

struct SystemColor {
    QPalette::ColorRole role;
    const char16_t *name;
};

constexpr SystemColor kSystem[] = {
    {QPalette::Window, u"Фон окна"},          {QPalette::WindowText, u"Текст окна"},
    {QPalette::Base, u"Фон поля ввода"},      {QPalette::Text, u"Текст поля ввода"},
    {QPalette::Button, u"Кнопка"},            {QPalette::ButtonText, u"Текст кнопки"},
    {QPalette::Highlight, u"Выделение"},      {QPalette::HighlightedText, u"Выделенный текст"},
    {QPalette::ToolTipBase, u"Фон подсказки"}, {QPalette::ToolTipText, u"Текст подсказки"},
};

} // namespace

ColorBox::ColorBox(QWidget *parent)
    : QComboBox(parent)
    , m_picker([](const QColor &initial, QWidget *owner) {
        return QColorDialog::getColor(initial, owner, QStringLiteral("Цвет"));
    })
{
    setEditable(false);
    addItem(swatch(QColor()), QStringLiteral("Другой..."), QColor());
    for (const NamedColor &listed : kListed)
        addColor(QColor::fromRgb(listed.rgb), QString::fromUtf16(listed.name));
    const QPalette palette = QApplication::palette();
    for (const SystemColor &system : kSystem)
        addColor(palette.color(QPalette::Active, system.role), QString::fromUtf16(system.name));
    setCurrentIndex(-1);
    connect(this, &QComboBox::activated, this, &ColorBox::itemActivated);
}

void ColorBox::addColor(const QColor &color, const QString &name)
{
    addItem(swatch(color), name, color);
}

QColor ColorBox::color() const
{
    return currentIndex() < 0 ? QColor() : currentData().value<QColor>();
}

void ColorBox::setColor(const QColor &color)
{
    const QRgb wanted = color.rgb();
    for (int i = CustomIndex + 1; i < count(); ++i) {
        if (itemData(i).value<QColor>().rgb() == wanted) {
            setCurrentIndex(i);
            m_lastIndex = i;
            return;
        }
    }
    setCustomColor(color);
}

void ColorBox::setCustomColor(const QColor &color)
{
    setItemData(CustomIndex, color);
    setItemIcon(CustomIndex, swatch(color));
    setCurrentIndex(CustomIndex);
    m_lastIndex = CustomIndex;
}

void ColorBox::itemActivated(int index)
{
    if (index == CustomIndex) {
        const QColor picked = m_picker(color().isValid() ? color() : Qt::white, this);
        if (!picked.isValid()) {
            // Cancelled: the colour shown before stays.
            setCurrentIndex(m_lastIndex);
            return;
        }
        setCustomColor(picked);
    } else {
        m_lastIndex = index;
    }
    emit colorChanged(color());
}

} // namespace lumolex
