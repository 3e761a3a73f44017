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
    // At most maxCharacters characters (a paragraph break counts as one)
    // go into the document; -1 for no limit.
    explicit DocumentSink(QTextDocument *document, qsizetype maxCharacters = -1);
    ~DocumentSink() override;

    void begin(const DocumentTables &tables) override;
    void text(QStringView text, const CharState &format) override;
    void paragraphBreak(const ParaState &paragraph, const CharState &mark) override;
    void finish(const ParaState &paragraph, const CharState &mark) override;
    bool isFull() const override { return m_full; }

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
    bool m_editing = true;  // inside the edit block that finish() closes
    qsizetype m_room;     // characters the document may still take
    bool m_full = false;  // more was offered than it could take
    ParaState m_blockState; // the format the current block has now

    std::vector<std::pair<CharState, QTextCharFormat>> m_charFormats;
};

} // namespace lumolex::rtf
