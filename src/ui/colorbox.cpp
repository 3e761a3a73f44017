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
    const char* name;
};

// The standard colours, then the extended ones.
constexpr NamedColor kListed[] = {
    {0x000000, QT_TRANSLATE_NOOP("lumolex::ColorBox", "Черный")},
    {0x800000, QT_TRANSLATE_NOOP("lumolex::ColorBox", "Темно-красный")},
    {0x008000, QT_TRANSLATE_NOOP("lumolex::ColorBox", "Зеленый")},
    {0x808000, QT_TRANSLATE_NOOP("lumolex::ColorBox", "Оливковый")},
    {0x000080, QT_TRANSLATE_NOOP("lumolex::ColorBox", "Темно-синий")},
    {0x800080, QT_TRANSLATE_NOOP("lumolex::ColorBox", "Фиолетовый")},
    {0x008080, QT_TRANSLATE_NOOP("lumolex::ColorBox", "Сине-зеленый")},
    {0x808080, QT_TRANSLATE_NOOP("lumolex::ColorBox", "Серый")},
    {0xC0C0C0, QT_TRANSLATE_NOOP("lumolex::ColorBox", "Серебристый")},
    {0xFF0000, QT_TRANSLATE_NOOP("lumolex::ColorBox", "Красный")},
    {0x00FF00, QT_TRANSLATE_NOOP("lumolex::ColorBox", "Салатовый")},
    {0xFFFF00, QT_TRANSLATE_NOOP("lumolex::ColorBox", "Желтый")},
    {0x0000FF, QT_TRANSLATE_NOOP("lumolex::ColorBox", "Синий")},
    {0xFF00FF, QT_TRANSLATE_NOOP("lumolex::ColorBox", "Фуксия")},
    {0x00FFFF, QT_TRANSLATE_NOOP("lumolex::ColorBox", "Бирюзовый")},
    {0xFFFFFF, QT_TRANSLATE_NOOP("lumolex::ColorBox", "Белый")},
    {0xC0DCC0, QT_TRANSLATE_NOOP("lumolex::ColorBox", "Светло-зеленый")},
    {0xA6CAF0, QT_TRANSLATE_NOOP("lumolex::ColorBox", "Небесно-голубой")},
    {0xFFFBF0, QT_TRANSLATE_NOOP("lumolex::ColorBox", "Кремовый")},
    {0xA0A0A4, QT_TRANSLATE_NOOP("lumolex::ColorBox", "Средне-серый")},
};

struct SystemColor {
    QPalette::ColorRole role;
    const char* name;
};

constexpr SystemColor kSystem[] = {
    {QPalette::Window, QT_TRANSLATE_NOOP("lumolex::ColorBox", "Фон окна")},
    {QPalette::WindowText, QT_TRANSLATE_NOOP("lumolex::ColorBox", "Текст окна")},
    {QPalette::Base, QT_TRANSLATE_NOOP("lumolex::ColorBox", "Фон поля ввода")},
    {QPalette::Text, QT_TRANSLATE_NOOP("lumolex::ColorBox", "Текст поля ввода")},
    {QPalette::Button, QT_TRANSLATE_NOOP("lumolex::ColorBox", "Кнопка")},
    {QPalette::ButtonText, QT_TRANSLATE_NOOP("lumolex::ColorBox", "Текст кнопки")},
    {QPalette::Highlight, QT_TRANSLATE_NOOP("lumolex::ColorBox", "Выделение")},
    {QPalette::HighlightedText, QT_TRANSLATE_NOOP("lumolex::ColorBox", "Выделенный текст")},
    {QPalette::ToolTipBase, QT_TRANSLATE_NOOP("lumolex::ColorBox", "Фон подсказки")},
    {QPalette::ToolTipText, QT_TRANSLATE_NOOP("lumolex::ColorBox", "Текст подсказки")},
};

} // namespace

ColorBox::ColorBox(QWidget* parent)
    : QComboBox(parent)
    , m_picker([](const QColor& initial, QWidget* owner) { return QColorDialog::getColor(initial, owner, tr("Цвет")); })
{
    setEditable(false);
    addItem(swatch(QColor()), tr("Другой..."), QColor());
    for (const NamedColor &listed : kListed)
        addColor(QColor::fromRgb(listed.rgb), tr(listed.name));
    const QPalette palette = QApplication::palette();
    for (const SystemColor &system : kSystem)
        addColor(palette.color(QPalette::Active, system.role), tr(system.name));
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
