#include "rtf/rtfreader.h"

#include "rtf/documentsink.h"
#include "rtf/readresult.h"

#include <QTextDocument>

namespace lumolex::rtf {

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

} // namespace lumolex::rtf
