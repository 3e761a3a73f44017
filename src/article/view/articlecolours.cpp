#include "article/view/articlecolours.h"

#include "ui/readablecolour.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

#include <vector>

namespace lumolex {

namespace {

struct Recolouring {
    int position;
    int length;
    QColor colour;
};

QColor backgroundOf(const QTextFormat &format, const QColor &fallback)
{
    const QBrush brush = format.background();
    return brush.style() == Qt::NoBrush ? fallback : brush.color();
}

} // namespace

int keepArticleColoursReadable(QTextDocument *doc, const QColor &page, const QColor &text)
{
    // The changes are gathered first: changing a format while walking the
    // fragments would split and merge the fragments under the walk.
    std::vector<Recolouring> changes;
    for (QTextBlock block = doc->begin(); block.isValid(); block = block.next()) {
        const QColor blockBackground = backgroundOf(block.blockFormat(), page);
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QTextCharFormat format = fragment.charFormat();
            const QColor background = backgroundOf(format, blockBackground);
            const QBrush foreground = format.foreground();
            const QColor colour = foreground.style() == Qt::NoBrush ? text : foreground.color();
            const QColor readable = readableTextColour(colour, background);
            if (readable.rgb() != colour.toRgb().rgb())
                changes.push_back({fragment.position(), fragment.length(), readable});
        }
    }
    for (const Recolouring &change : changes) {
        QTextCursor cursor(doc);
        cursor.setPosition(change.position);
        cursor.setPosition(change.position + change.length, QTextCursor::KeepAnchor);
        QTextCharFormat recoloured;
        recoloured.setForeground(change.colour);
        cursor.mergeCharFormat(recoloured);
    }
    return int(changes.size());
}

int keepArticleColoursReadable(QTextDocument *doc, const QTextEdit *view)
{
    const QPalette &palette = view->palette();
    return keepArticleColoursReadable(doc, palette.color(QPalette::Base), palette.color(QPalette::Text));
}

} // namespace lumolex
