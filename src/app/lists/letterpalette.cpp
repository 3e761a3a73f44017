#include "app/lists/letterpalette.h"

#include "platform/keycodes.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>

namespace lumolex {

namespace {

const QString kMacron = QStringLiteral("\u0304");

// A text field the palette may type into: an editable line of the program,
// not the number field of a spin box.
QLineEdit *typingField(QWidget *widget)
{
    // An editable combo box (the word box, the search field) keeps the focus
    // itself and types into its line.
    if (auto *combo = qobject_cast<QComboBox *>(widget))
        widget = combo->lineEdit();
    auto *edit = qobject_cast<QLineEdit *>(widget);
    if (!edit || edit->isReadOnly() || qobject_cast<QAbstractSpinBox *>(edit->parentWidget()))
        return nullptr;
    return edit;
}

} // namespace

const QList<LetterPalette::Letter> &LetterPalette::letters()
{
    static const QList<Letter> all = {
        {QStringLiteral("ӣ"), QStringLiteral("и"), 'B'},
        {QStringLiteral("ӯ"), QStringLiteral("у"), 'E'},
        {QStringLiteral("ҋ"), QStringLiteral("к"), 'R'},
        {QStringLiteral("ӈ"), QStringLiteral("н"), 'Y'},
        {QStringLiteral("ӊ"), QString(), 0},
        {QStringLiteral("ӆ"), QStringLiteral("л"), 'K'},
        {QStringLiteral("ҍ"), QStringLiteral("ь"), 'M'},
        {QStringLiteral("ӎ"), QStringLiteral("м"), 'V'},
        {QStringLiteral("һ"), QStringLiteral("х"), VirtualKey::Oem4},
        {QStringLiteral("ӭ"), QStringLiteral("э"), VirtualKey::Oem7},
        {QStringLiteral("ӓ"), QStringLiteral("а"), 'F'},
        {QStringLiteral("ј"), QStringLiteral("й"), 'Q'},
        {QStringLiteral("ҏ"), QStringLiteral("р"), 'H'},
        {kMacron, QStringLiteral("-"), VirtualKey::OemMinus},
    };
    return all;
}

QString LetterPalette::typedWithAlt(const QKeyEvent &event)
{
    const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
    if (!(modifiers & Qt::AltModifier) || (modifiers & (Qt::ControlModifier | Qt::MetaModifier)))
        return {};
    const int key = virtualKeyFromEvent(event);
    if (key == 0)
        return {};
    for (const Letter &letter : letters()) {
        if (letter.virtualKey != key)
            continue;
        return (modifiers & Qt::ShiftModifier) && letter.text != kMacron ? letter.text.toUpper() : letter.text;
    }
    return {};
}

LetterPalette::LetterPalette(QWidget *parent)
    : QFrame(parent)
{
    setObjectName(QStringLiteral("PanelLetters"));
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 1, 0, 1);
    row->setSpacing(0);
    for (const Letter &letter : letters()) {
        auto *button = new QToolButton(this);
        const bool macron = letter.text == kMacron;
        // The macron is shown over a dotted circle, as a mark on no letter.
        button->setText(macron ? QStringLiteral("\u25CC") + kMacron : letter.text);
        button->setFocusPolicy(Qt::NoFocus);
        button->setAutoRaise(true);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        button->setMinimumWidth(1);
        const QString key = letter.russian.isEmpty() ? QString() : QStringLiteral(" (Alt+%1)").arg(letter.russian);
        button->setToolTip(macron ? tr("Макрон над буквой перед курсором") + key
                                  : tr("Вставить «%1»").arg(letter.text) + key);
        connect(button, &QToolButton::clicked, this, [this, text = letter.text] { typeLetter(text); });
        row->addWidget(button);
        buttons.append(button);
    }
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) { noteFocus(now); });
    noteFocus(QApplication::focusWidget());
    qApp->installEventFilter(this);
}

LetterPalette::~LetterPalette()
{
    qApp->removeEventFilter(this);
}

QLineEdit *LetterPalette::lastField() const
{
    return m_field;
}

void LetterPalette::noteFocus(QWidget *now)
{
    if (QLineEdit *edit = typingField(now))
        m_field = edit;
}

void LetterPalette::typeLetter(const QString &text)
{
    if (!m_field)
        return;
    m_field->insert(text);
    m_field->activateWindow();
    m_field->setFocus(Qt::OtherFocusReason);
}

bool LetterPalette::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride)
        return false;
    QLineEdit *edit = typingField(qobject_cast<QWidget *>(watched));
    if (!edit)
        return false;
    const QString text = typedWithAlt(*static_cast<QKeyEvent *>(event));
    if (text.isEmpty())
        return false;
    // The shortcut check comes first: accepting it keeps the key from any
    // shortcut, and the key press that follows types the letter.
    event->accept();
    if (event->type() == QEvent::KeyPress)
        edit->insert(text);
    return event->type() == QEvent::KeyPress;
}

} // namespace lumolex
