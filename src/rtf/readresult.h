#pragma once

// How a reading of the interpreter becomes the reader's result; shared by
// the plain-text reading and the document reading, which live in separate
// files so that a program reading only plain text links no rich-text code.

#include "rtf/rtfinterpreter.h"
#include "rtf/rtfreader.h"

namespace lumolex::rtf {

inline ReadResult notRtf()
{
    ReadResult result;
    result.damaged = true;
    result.warning = QStringLiteral("not an RTF document");
    return result;
}

inline ReadResult toReadResult(const InterpretResult &interpreted)
{
    ReadResult result;
    result.isRtf = true;
    result.damaged = interpreted.damaged;
    result.warning = interpreted.warning;
    return result;
}

} // namespace lumolex::rtf
