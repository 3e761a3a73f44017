#pragma once

// The text functions of the searches: splitting a query into words and the
// trimming and length rule every query passes first.

#include <QString>
#include <QStringList>
#include <QStringView>

namespace lumolex {

// 0 for an empty text, otherwise 1 plus the number of separators in it.
int TokenCount(QStringView text, QChar separator);

// The n-th field of the text, counted from 1: the pieces before, between and
// after separators (two separators in a row enclose an empty field). Empty
// for n < 1 and for n past the last field. n may be any count, so a query of
// any number of words can be walked.
QString GetToken(QStringView text, QChar separator, int n);

// The text as both searches compare it: the characters that do not show
// and that a pasted text brings along are dropped - the soft hyphen, the
// zero-width space, joiners, direction marks, embeddings and isolates, the
// byte-order mark, the stress accent (U+0301) - and no-break spaces become
// blanks. The same text back, unshared, when it holds none of them.
QString withoutInvisibles(const QString &text);

// The text without its invisible characters (withoutInvisibles) and without
// the characters of code 32 and below (blanks and control characters) at
// both ends.
QString trimQuery(QStringView text);

enum class QueryCheck {
    Empty,      // nothing to search for: no message
    TooShort,   // fewer than kMinQueryLength letters as a reader sees them
    Ok,
};

// The characters of a text as a reader counts them: a base character with
// the combining marks after it is one (а̄ is one letter, as ӣ is), and so is
// a character written as a surrogate pair.
int readerLength(QStringView text);

inline constexpr int kMinQueryLength = 2;

// The check of a query already trimmed.
QueryCheck checkQuery(QStringView trimmed);

// Readers of sorted keys (SQL ranges over a file's key column) find the
// texts beginning with a prefix between the prefix and prefixEnd().

// The smallest text above every text that begins with `prefix` in code
// point order (the byte order of UTF-8); empty when there is none.
QString prefixEnd(const QString &prefix);

// The prefixes a key prefix reaches when е in a query also stands for ё:
// every choice of е or ё at each е, up to a limit; past it the prefix is
// cut before the е that would exceed it, which reaches more texts but never
// fewer (the reader itself then decides).
QStringList yoPrefixSpellings(const QString &key);

} // namespace lumolex
