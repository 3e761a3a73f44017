#pragma once

// Translations carry clarifying remarks in parentheses, "(о реке (горной))
// выррьт-". Both article writers set those remarks apart; this splits the
// text for them, so that the two agree on what a remark is.

#include <QStringView>
#include <QVector>

namespace lumolex::mkdata {

struct RemarkRun {
    QStringView text;
    bool remark = false;    // a parenthesised remark with its brackets
};

// The text cut into plain runs and outermost parenthesised remarks (nested
// brackets stay inside their remark; an unclosed one runs to the end).
// Empty runs are left out.
QVector<RemarkRun> remarkRuns(QStringView text);

} // namespace lumolex::mkdata
