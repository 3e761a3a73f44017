#pragma once

#include "rtf/rtfsink.h"

#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>

#include <vector>

class QTextDocument;

namespace lumolex::rtf {

// Builds a QTextDocument: one block per paragraph, one fragment per run of
// equal character formatting. Formats are converted once per distinct state.
class DocumentSink : public RtfSink
{
public:
    explicit DocumentSink(QTextDocument *document);
    ~DocumentSink() override;

    void begin(const DocumentTables &tables) override;
    void text(QStringView text, const CharState &format) override;
    void paragraphBreak(const ParaState &paragraph, const CharState &mark) override;
    void finish(const ParaState &paragraph, const CharState &mark) override;

    // The conversions, public for the writer's tests.
    static QTextCharFormat toCharFormat(const CharState &state, const DocumentTables &tables);
    static QTextBlockFormat toBlockFormat(const ParaState &state);

private:
    const QTextCharFormat &charFormat(const CharState &state);
    void closeBlock(const ParaState &paragraph, const CharState &mark);

    QTextDocument *m_document;
    QTextCursor m_cursor;
    const DocumentTables *m_tables = nullptr;
    bool m_undoWasEnabled;
    bool m_blockEmpty = true;
    ParaState m_blockState; // the format the current block has now

    std::vector<std::pair<CharState, QTextCharFormat>> m_charFormats;
};

} // namespace lumolex::rtf
