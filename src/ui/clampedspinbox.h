#pragma once

// A whole-number field that never refuses what is typed into it: a number
// outside the range is brought to the nearest bound, and text that is not a
// number counts as the range's minimum. The arrows step by 1 within the range.

#include <QSpinBox>

namespace lumolex {

class ClampedSpinBox : public QSpinBox
{
    Q_OBJECT
public:
    ClampedSpinBox(int minimum, int maximum, QWidget *parent = nullptr);

    // The value the field's current text stands for, by the rules above,
    // whether or not the field has taken the text yet.
    int clampedValue() const;
    // The field's edit box (what the user types into).
    using QSpinBox::lineEdit;
    // The same rules for any text.
    static int clampText(const QString &text, int minimum, int maximum);

protected:
    QValidator::State validate(QString &input, int &pos) const override;
    void fixup(QString &input) const override;
    int valueFromText(const QString &text) const override;
};

} // namespace lumolex
