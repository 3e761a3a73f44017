#pragma once

#include <QByteArray>
#include <QList>

namespace lumolex::bench {

// Dictionary articles of 1 to 2 KB written the way a Windows rich-edit
// control writes them: Windows-1251 text as \'hh, the Kildin Saami letters
// and the combining macron as \uN?, bold headwords, italic grammar notes,
// numbered senses in indented paragraphs. Deterministic for a given count.
QList<QByteArray> sampleArticles(int count);

} // namespace lumolex::bench
