#pragma once

#include "rtf/rtfreader.h"

#include <QByteArray>
#include <QString>
#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextDocument>

#include <memory>
#include <ostream>

// Readable QString values in GoogleTest messages.
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace lumolex::rtf::test {

std::unique_ptr<QTextDocument> readRtf(QByteArrayView rtf, ReadResult *result = nullptr);

// The text both sinks give; fails the calling test when they disagree.
QString textOf(QByteArrayView rtf);

// Canonical descriptions of the properties the reader sets, only those that
// differ from the defaults, e.g. "bold italic size=12 family=Arial
// color=#ff0000". defaultFamily stands in for a format without a family.
QString describeChar(const QTextCharFormat &format, const QString &defaultFamily = QString());
QString describeBlock(const QTextBlockFormat &format);

// The character format of the first character of the first occurrence of
// text, and the block holding it; invalid when text is not there.
QTextCharFormat charFormatOf(const QTextDocument &doc, const QString &text);
QTextBlock blockOf(const QTextDocument &doc, const QString &text);

// Every block with its format and every fragment with its text and format
// (the paragraph mark's format for an empty block): equal signatures mean
// equal text and formatting.
QString signature(const QTextDocument &doc);

QByteArray readTestFile(const QString &relativePath);
QString testDataDir();

} // namespace lumolex::rtf::test
