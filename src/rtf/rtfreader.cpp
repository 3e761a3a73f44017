#include "rtf/rtfreader.h"

#include "rtf/documentsink.h"
#include "rtf/plaintextsink.h"
#include "rtf/rtfinterpreter.h"

#include <QTextDocument>

namespace lumolex::rtf {

namespace {

ReadResult notRtf()
{
    ReadResult result;
    result.damaged = true;
    result.warning = QStringLiteral("not an RTF document");
    return result;
}

ReadResult toReadResult(const InterpretResult &interpreted)
{
    ReadResult result;
    result.isRtf = true;
    result.damaged = interpreted.damaged;
    result.warning = interpreted.warning;
    return result;
}

} // namespace

bool looksLikeRtf(QByteArrayView bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes = bytes.sliced(3);
    qsizetype i = 0;
    while (i < bytes.size() && (bytes[i] == ' ' || bytes[i] == '\t' || bytes[i] == '\r' || bytes[i] == '\n'))
        ++i;
    return bytes.sliced(i).startsWith("{\\rtf");
}

ReadResult readDocument(QByteArrayView bytes, QTextDocument *doc, qsizetype maxCharacters)
{
    if (!doc)
        return notRtf();
    if (!looksLikeRtf(bytes)) {
        doc->clear();
        return notRtf();
    }
    DocumentSink sink(doc, maxCharacters);
    RtfInterpreter interpreter(bytes, &sink);
    ReadResult result = toReadResult(interpreter.run());
    result.cut = sink.isFull();
    return result;
}

QString plainText(QByteArrayView bytes, ReadResult *result)
{
    if (!looksLikeRtf(bytes)) {
        if (result)
            *result = notRtf();
        return {};
    }
    PlainTextSink sink;
    RtfInterpreter interpreter(bytes, &sink);
    const InterpretResult interpreted = interpreter.run();
    if (result)
        *result = toReadResult(interpreted);
    return sink.takeText();
}

} // namespace lumolex::rtf
