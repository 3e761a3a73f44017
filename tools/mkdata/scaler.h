#pragma once

// Synthetic growth of a built dictionary for benchmarks: the articles are
// repeated `factor` times in all. Each copy has its own headwords and word
// forms (the originals with a short suffix naming the copy, each word also
// with two made-up endings, as a real index holds several forms of a word)
// and shares the bodies of its originals, so the tables grow the way a large
// real dictionary would, without the time of converting every body again.

#include "builtdata.h"

namespace lumolex::mkdata {

// The suffix that marks copy number `copy` (1, 2, ...): "ъ" followed by
// letters, so that it cannot be mistaken for the end of a real word.
QString copySuffix(int copy);

// Grows data to `factor` copies of its articles (factor 1 leaves it).
// The word-form index must be normalised.
void scaleData(BuiltData *data, int factor);

} // namespace lumolex::mkdata
