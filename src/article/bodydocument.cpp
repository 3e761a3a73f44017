#include "article/bodydecoder.h"

#include "article/bodylimits.h"
#include "rtf/rtfreader.h"

#include <QCoreApplication>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>

// Decoding into a document lives apart from the plain-text reading, so that a
// program that only reads plain text (lumolex-cli) links no rich-text code.

namespace lumolex {

namespace {

const char kDamagedNotice[] = QT_TRANSLATE_NOOP("BodyDocument", "Статья повреждена и не может быть показана.");

void showNotice(QTextDocument *doc)
{
    doc->clear();
    QTextCursor cursor(doc);
    QTextCharFormat format;
    format.setFontItalic(true);
    cursor.insertText(QCoreApplication::translate("BodyDocument", kDamagedNotice), format);
}

// Fills a fresh document with the same defaults as the caller's, decodes
// into it, and only then replaces the caller's content in one step.
void replaceContent(QTextDocument *doc, const QTextDocument &fresh)
{
    const bool undo = doc->isUndoRedoEnabled();
    doc->setUndoRedoEnabled(false);
    doc->clear();
    QTextCursor(doc).insertFragment(QTextDocumentFragment(&fresh));
    doc->setUndoRedoEnabled(undo);
    doc->setModified(false);
}

} // namespace

BodyKind decodeBody(const QByteArray &stored, bool isNull, QTextDocument *doc)
{
    if (!doc)
        return isNull ? BodyKind::Null : BodyKind::Damaged;
    if (isNull || stored.isEmpty()) {
        doc->clear();
        return isNull ? BodyKind::Null : BodyKind::Empty;
    }
    QByteArray inflated;
    if (!inflateBody(stored, &inflated)) {
        showNotice(doc);
        return BodyKind::Damaged;
    }
    QTextDocument fresh;
    fresh.setUndoRedoEnabled(false);
    fresh.setDefaultFont(doc->defaultFont());
    BodyKind kind;
    bool cut = false;
    if (rtf::looksLikeRtf(inflated)) {
        cut = rtf::readDocument(inflated, &fresh, kMaxShownCharacters).cut;
        kind = BodyKind::RichText;
    } else {
        QString text = decodePlainBody(inflated);
        cut = cutToShownLength(&text);
        fresh.setPlainText(text);
        kind = BodyKind::PlainText;
    }
    breakOverlongRuns(&fresh);
    if (cut)
        appendTooLongNotice(&fresh, kMaxShownCharacters);
    replaceContent(doc, fresh);
    return kind;
}

} // namespace lumolex
