#pragma once

// How lumolex-mkdata reports the problems of its source lists on standard
// error: the first kListedProblems as they were found (FILE:LINE: message),
// then how many were left out, then the count. A list with thousands of bad
// lines (a wrong file given) stays readable.

#include "sourcefile.h"

class QTextStream;

namespace lumolex::mkdata {

inline constexpr int kListedProblems = 20;

// Writes the listing and the closing line "lumolex-mkdata: N problem(s);
// <consequence>".
void reportProblems(const ProblemList &problems, const QString &consequence, QTextStream &err);

} // namespace lumolex::mkdata
