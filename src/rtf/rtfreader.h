#pragma once

#include <QByteArray>
#include <QString>

class QTextDocument;

namespace lumolex::rtf {

// The largest document the program reads: article bodies and the files
// given to the command line.
inline constexpr qsizetype kMaxDocumentBytes = 16 * 1024 * 1024;

struct ReadResult {
    bool isRtf = false;      // input starts with an RTF header
    bool damaged = false;    // input was repaired (unbalanced groups, truncation...)
    bool cut = false;        // the document reached the character limit and was cut there
    QString warning;         // short description when damaged
};

// True when the bytes begin (after optional whitespace) with "{\rtf".
bool looksLikeRtf(QByteArrayView bytes);

// Replaces the content of doc by the RTF document in bytes. With
// maxCharacters >= 0, reading stops once the document holds that many
// characters (each paragraph break counting as one).
ReadResult readDocument(QByteArrayView bytes, QTextDocument *doc, qsizetype maxCharacters = -1);

// The exact plain text doc would hold after readDocument (each paragraph
// break one '\n'-counted character as QTextDocument::toPlainText gives it),
// without building the document.
QString plainText(QByteArrayView bytes, ReadResult *result = nullptr);

} // namespace lumolex::rtf
