#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Bodies that stress the article view: one paragraph of words of 16 KB,
// 64 KB and 256 KB, one word (nothing to break a line at) of the same
// sizes, 10 MB of ordinary 80-character lines, a paragraph of 4000 format
// runs, and an RTF
// table of 200,000 cells.
namespace lumolex::bench {

QStringList longBodyNames();
// The stored (compressed) body of that name; empty for an unknown name.
QByteArray longBody(const QString &name);

} // namespace lumolex::bench
