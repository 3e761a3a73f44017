#include "article/masking.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <vector>

namespace lumolex {

namespace {

// The stems, in the order they are masked.
const QStringView kStems[] = {u"хуй", u"пизд", u"трахат", u"потрах", u"трахал", u"трахает"};

constexpr QChar kMask = u'x';

struct Piece
{
    int position;
    int length;
    QTextCharFormat format;
};

// The fragments of the block that overlap [position, position + length),
// each with its own format.
std::vector<Piece> piecesOf(const QTextBlock &block, int position, int length)
{
    std::vector<Piece> pieces;
    const int end = position + length;
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        if (!fragment.isValid())
            continue;
        const int from = std::max(position, fragment.position());
        const int to = std::min(end, fragment.position() + fragment.length());
        if (from < to)
            pieces.push_back({from, to - from, fragment.charFormat()});
    }
    return pieces;
}

void mask(QTextCursor &cursor, const QTextBlock &block, int position, int length)
{
    for (const Piece &piece : piecesOf(block, position, length)) {
        cursor.setPosition(piece.position);
        cursor.setPosition(piece.position + piece.length, QTextCursor::KeepAnchor);
        cursor.insertText(QString(piece.length, kMask), piece.format);
    }
}

bool containsAnyStem(const QString &text)
{
    for (QStringView stem : kStems) {
        if (text.contains(stem))
            return true;
    }
    return false;
}

} // namespace

void ReplaceBadWord(QTextDocument *doc)
{
    if (!doc)
        return;
    QTextCursor cursor(doc);
    bool editing = false;
    // A stem never spans a paragraph break, so each block can be scanned on
    // its own; within a block the stems are taken in list order and every
    // occurrence is masked before the scan goes on, so an occurrence that
    // overlaps masked letters is not found any more.
    for (QTextBlock block = doc->begin(); block.isValid(); block = block.next()) {
        QString text = block.text();
        if (!containsAnyStem(text))
            continue;
        if (!editing) {
            cursor.beginEditBlock();
            editing = true;
        }
        for (QStringView stem : kStems) {
            qsizetype found = text.indexOf(stem, 0, Qt::CaseSensitive);
            while (found >= 0) {
                mask(cursor, block, block.position() + int(found), int(stem.size()));
                text.replace(found, stem.size(), QString(stem.size(), kMask));
                found = text.indexOf(stem, found + stem.size(), Qt::CaseSensitive);
            }
        }
    }
    if (editing)
        cursor.endEditBlock();
}

} // namespace lumolex
