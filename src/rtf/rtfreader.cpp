#include "rtf/rtfreader.h"

#include "rtf/plaintextsink.h"
#include "rtf/readresult.h"

namespace lumolex::rtf {

bool looksLikeRtf(QByteArrayView bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes = bytes.sliced(3);
    qsizetype i = 0;
    while (i < bytes.size() && (bytes[i] == ' ' || bytes[i] == '\t' || bytes[i] == '\r' || bytes[i] == '\n'))
        ++i;
    return bytes.sliced(i).startsWith("{\\rtf");
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
