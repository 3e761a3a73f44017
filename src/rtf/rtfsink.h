#pragma once

#include "rtf/rtfstate.h"

#include <QStringView>

namespace lumolex::rtf {

// Receives the content of an RTF document from the interpreter, in order.
// Text never holds paragraph separators; it may hold TAB and U+2028 (line
// break inside a paragraph).
class RtfSink
{
public:
    virtual ~RtfSink() = default;

    // False for sinks that ignore formatting: the interpreter then passes
    // longer runs and skips format bookkeeping.
    virtual bool wantsFormatting() const { return true; }

    // The tables stay valid and may grow while the document is read.
    virtual void begin(const DocumentTables &tables) { Q_UNUSED(tables); }

    virtual void text(QStringView text, const CharState &format) = 0;

    // Ends the current paragraph with these properties; mark is the character
    // formatting of its paragraph mark (what an empty paragraph shows).
    virtual void paragraphBreak(const ParaState &paragraph, const CharState &mark) = 0;

    // True once the sink takes no more content: the interpreter then stops
    // reading and finishes the document.
    virtual bool isFull() const { return false; }

    // Ends the last paragraph. Called exactly once.
    virtual void finish(const ParaState &paragraph, const CharState &mark) = 0;
};

} // namespace lumolex::rtf
