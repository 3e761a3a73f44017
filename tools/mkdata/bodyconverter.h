#pragma once

// Turns the body of a source record into what the data files store: an RTF
// document compressed as a zlib stream. HTML bodies go through a
// QTextDocument and the program's RTF writer; RTF bodies are kept as given
// after the reader has accepted them. The plain text feeds the word-form index.

#include <QByteArray>
#include <QString>
#include <QTextDocument>

namespace lumolex::mkdata {

struct ConvertedBody {
    bool isNull = true;     // no body at all
    QByteArray stored;      // zlib stream of the RTF document
    QString plainText;
};

class BodyConverter
{
public:
    BodyConverter();

    // Returns an empty text on success, else what is wrong with the body.
    QString convert(const QString &source, ConvertedBody *out);

    static bool isRtf(const QString &source);

private:
    QString convertHtml(const QString &html, QByteArray *rtf, QString *plainText);
    static QString convertRtf(const QString &source, QByteArray *rtf, QString *plainText);

    QTextDocument m_document;
};

} // namespace lumolex::mkdata
