#include "article/bodylimits.h"

#include <QCoreApplication>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <vector>

namespace lumolex {

namespace {

constexpr char16_t kZeroWidthSpace = 0x200B;

bool breaksLine(QChar c)
{
    switch (c.unicode()) {
    case u'-':
    case u'/':
    case 0x00AD: // soft hyphen
    case kZeroWidthSpace:
        return true;
    default:
        return c.isSpace();
    }
}

} // namespace

QString tooLongNotice(qsizetype shown)
{
    return QCoreApplication::translate("BodyLimits", "Статья слишком длинна: показаны первые %1 знаков").arg(shown);
}

bool cutToShownLength(QString *text)
{
    if (text->size() <= kMaxShownCharacters)
        return false;
    qsizetype length = kMaxShownCharacters;
    if (text->at(length - 1).isHighSurrogate())
        --length;
    text->truncate(length);
    return true;
}

void appendTooLongNotice(QTextDocument *doc, qsizetype shown)
{
    QTextCursor cursor(doc);
    cursor.movePosition(QTextCursor::End);
    QTextCharFormat format;
    format.setFontItalic(true);
    cursor.insertBlock(QTextBlockFormat(), format);
    cursor.insertText(tooLongNotice(shown), format);
}

int breakOverlongRuns(QTextDocument *doc)
{
    std::vector<int> positions;
    for (QTextBlock block = doc->begin(); block.isValid(); block = block.next()) {
        const QString text = block.text();
        if (text.size() <= kMaxUnbrokenRun)
            continue;
        int run = 0;
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (breaksLine(text.at(i))) {
                run = 0;
            } else if (++run > kMaxUnbrokenRun && !text.at(i).isLowSurrogate()) {
                positions.push_back(block.position() + int(i));
                run = 1;
            }
        }
    }
    if (positions.empty())
        return 0;
    QTextCursor cursor(doc);
    cursor.beginEditBlock();
    // From the end, so that the positions still to come stay where they were.
    for (auto it = positions.rbegin(); it != positions.rend(); ++it) {
        cursor.setPosition(*it);
        cursor.insertText(QString(QChar(kZeroWidthSpace)));
    }
    cursor.endEditBlock();
    return int(positions.size());
}

} // namespace lumolex
