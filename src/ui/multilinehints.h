#pragma once

// Hints written on one line with "@" where a new line starts.
//
// Hint texts of the program mark their line breaks with "@" (a dictionary
// button's hint names the dictionary, then "@", then its author). Installed
// on the application, this filter shows such a hint with real line breaks;
// the control's own hint text keeps its "@".

#include <QObject>
#include <QString>

namespace lumolex {

// The hint as shown: every "@" starts a new line.
QString multiLineHintText(const QString &hint);

class MultiLineHints : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

} // namespace lumolex
