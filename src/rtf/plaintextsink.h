#pragma once

#include "rtf/rtfsink.h"

#include <QString>

namespace lumolex::rtf {

// Collects the text of an RTF document exactly as
// QTextDocument::toPlainText() gives it for the document the DocumentSink
// builds: one '\n' per paragraph break and per line break, no-break spaces
// as plain spaces, nothing else changed, so positions match the document's.
class PlainTextSink : public RtfSink
{
public:
    bool wantsFormatting() const override { return false; }
    void text(QStringView text, const CharState &format) override;
    void paragraphBreak(const ParaState &paragraph, const CharState &mark) override;
    void finish(const ParaState &paragraph, const CharState &mark) override;

    QString takeText() { return std::move(m_text); }

private:
    QString m_text;
};

} // namespace lumolex::rtf
