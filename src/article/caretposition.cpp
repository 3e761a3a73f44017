#include "article/caretposition.h"

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

namespace lumolex {

CaretPosition caretPosition(const QTextDocument &doc, int position)
{
    const QTextBlock block = doc.findBlock(qBound(0, position, qMax(0, doc.characterCount() - 1)));
    if (!block.isValid())
        return {};
    // Asking for the block's rectangle makes the layout reach it.
    doc.documentLayout()->blockBoundingRect(block);

    CaretPosition result;
    for (QTextBlock before = doc.begin(); before.isValid() && before != block; before = before.next()) {
        if (before.isVisible() && before.layout())
            result.line += qMax(1, before.layout()->lineCount());
    }
    const int inBlock = qMax(0, position - block.position());
    const QTextLayout *layout = block.layout();
    const QTextLine line = layout ? layout->lineForTextPosition(inBlock) : QTextLine();
    if (line.isValid()) {
        result.line += line.lineNumber();
        result.column = inBlock - line.textStart();
    } else {
        result.column = inBlock;
    }
    return result;
}

QString caretPositionText(const CaretPosition &position)
{
    return QString::asprintf("%3d : %3d", position.line + 1, position.column + 1);
}

} // namespace lumolex
