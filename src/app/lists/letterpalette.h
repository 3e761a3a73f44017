#pragma once

// Typing the Kildin Saami letters that Russian keyboards lack.
//
// The letter palette is a row of buttons under the word box, one per letter
// (ӣ ӯ ҋ ӈ ӊ ӆ ҍ ӎ һ ӭ ӓ ј ҏ) and one that adds a combining macron to the
// letter before the cursor. A click types into the text field that last had
// the focus (the word box, the search field, the find dialog's field) and
// gives it the focus back; the buttons never take the focus themselves.
//
// The same letters come from the keyboard as Alt + the key of the Russian
// letter they vary (Alt+н gives ӈ, Alt+- the macron; with Shift a capital),
// read from the physical key, so they work on any layout. No menu uses
// Alt with a letter: its items have no Alt shortcuts but Alt+F4.

#include <QFrame>
#include <QList>
#include <QPointer>
#include <QString>

class QKeyEvent;
class QLineEdit;
class QToolButton;

namespace lumolex {

class LetterPalette : public QFrame
{
    Q_OBJECT
public:
    struct Letter {
        QString text;      // what the button and the key type
        QString russian;   // the letter whose key gives it with Alt; empty: the palette only
        int virtualKey;    // that key, as labelled on a US keyboard (0: none)
    };
    // The palette's letters in button order, the macron last.
    static const QList<Letter> &letters();
    // What Alt + the event's key types in a text field; empty for any other key.
    static QString typedWithAlt(const QKeyEvent &event);

    explicit LetterPalette(QWidget *parent = nullptr);
    ~LetterPalette() override;

    // Types `text` into the field that last had the focus (a macron joins the
    // letter before the cursor) and gives that field the focus back.
    void typeLetter(const QString &text);
    // The field a click types into; null before any field had the focus.
    QLineEdit *lastField() const;

    QList<QToolButton *> buttons;

private:
    void noteFocus(QWidget *now);
    bool eventFilter(QObject *watched, QEvent *event) override;

    QPointer<QLineEdit> m_field;
};

} // namespace lumolex
