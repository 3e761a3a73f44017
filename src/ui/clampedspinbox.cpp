#include "ui/clampedspinbox.h"

#include <QLineEdit>

namespace lumolex {

ClampedSpinBox::ClampedSpinBox(int minimum, int maximum, QWidget *parent)
    : QSpinBox(parent)
{
    setRange(minimum, maximum);
    setSingleStep(1);
    setAccelerated(false);
}

int ClampedSpinBox::clampText(const QString &text, int minimum, int maximum)
{
    const QString trimmed = text.trimmed();
    bool ok = false;
    const qlonglong number = trimmed.toLongLong(&ok);
    if (!ok) {
        // Digits too many for a 64-bit number still say which bound is near.
        bool digits = !trimmed.isEmpty();
        for (int i = 0; i < trimmed.size() && digits; ++i)
            digits = trimmed.at(i).isDigit() || (i == 0 && (trimmed.at(i) == u'-' || trimmed.at(i) == u'+'));
        if (digits && trimmed.size() > 1)
            return trimmed.startsWith(u'-') ? minimum : maximum;
        return minimum;
    }
    return int(qBound(qlonglong(minimum), number, qlonglong(maximum)));
}

int ClampedSpinBox::clampedValue() const
{
    return clampText(lineEdit()->text(), minimum(), maximum());
}

QValidator::State ClampedSpinBox::validate(QString &input, int &) const
{
    bool ok = false;
    const int number = input.trimmed().toInt(&ok);
    if (ok && number >= minimum() && number <= maximum())
        return QValidator::Acceptable;
    // Anything may be typed; it is brought into the range when taken.
    return QValidator::Intermediate;
}

void ClampedSpinBox::fixup(QString &input) const
{
    input = QString::number(clampText(input, minimum(), maximum()));
}

int ClampedSpinBox::valueFromText(const QString &text) const
{
    return clampText(text, minimum(), maximum());
}

} // namespace lumolex
