#include "bodyconverter.h"
#include "tooltext.h"

#include "article/bodydecoder.h"
#include "data/files/datalimits.h"
#include "rtf/rtfreader.h"
#include "rtf/rtfwriter.h"

#include <QFont>

namespace lumolex::mkdata {

BodyConverter::BodyConverter()
{
    // A fixed default font keeps the built files independent of the fonts of
    // the machine that builds them (the program imposes its own font anyway).
    m_document.setDefaultFont(QFont(QStringLiteral("Tahoma"), 11));
    m_document.setUndoRedoEnabled(false);
}

bool BodyConverter::isRtf(const QString &source)
{
    return source.startsWith(QLatin1String("{\\rtf"));
}

QString BodyConverter::convert(const QString &source, ConvertedBody *out)
{
    *out = ConvertedBody();
    if (source.isEmpty())
        return {};
    QByteArray rtf;
    const QString problem = isRtf(source) ? convertRtf(source, &rtf, &out->plainText)
                                          : convertHtml(source, &rtf, &out->plainText);
    if (!problem.isEmpty())
        return problem;
    // The program shows a larger body as damaged.
    if (rtf.size() > kMaxBodyBytes)
        return tools::toolText("lumolex-mkdata", "the body is %1 bytes as RTF, more than the %2 bytes the program reads")
            .arg(rtf.size())
            .arg(kMaxBodyBytes);
    out->stored = deflateBody(rtf);
    if (out->stored.isEmpty())
        return tools::toolText("lumolex-mkdata", "the body could not be compressed");
    out->isNull = false;
    return {};
}

QString BodyConverter::convertHtml(const QString &html, QByteArray *rtf, QString *plainText)
{
    m_document.setHtml(html);
    *rtf = rtf::writeDocument(m_document);
    *plainText = m_document.toPlainText();
    m_document.clear();
    return {};
}

QString BodyConverter::convertRtf(const QString &source, QByteArray *rtf, QString *plainText)
{
    // RTF is a 7-bit format: other characters are written as \'hh or \uN.
    for (QChar c : source) {
        if (c.unicode() > 0x7e || (c.unicode() < 0x20 && c != u'\t'))
            return tools::toolText("lumolex-mkdata", "the RTF body holds the character U+%1; write it as \\uN? or \\'hh")
                .arg(c.unicode(), 4, 16, QLatin1Char('0'));
    }
    *rtf = source.toLatin1();
    rtf::ReadResult result;
    *plainText = rtf::plainText(*rtf, &result);
    if (!result.isRtf || result.damaged)
        return tools::toolText("lumolex-mkdata", "the RTF body is damaged (%1)")
            .arg(result.warning.isEmpty() ? tools::toolText("lumolex-mkdata", "not a complete RTF document") : result.warning);
    return {};
}

} // namespace lumolex::mkdata
