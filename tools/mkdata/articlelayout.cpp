#include "articlelayout.h"

#include "remarkruns.h"

#include "rtf/rtfreader.h"

#include <QColor>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextDocumentFragment>

namespace lumolex::mkdata {

namespace {

const QColor kGrammarColour(0x5a, 0x5a, 0x5a);
const QString kGrammarStyle = QStringLiteral("color:") + kGrammarColour.name();
const QString kExampleIndent = QStringLiteral("margin-left:14px");

QString line(const QString &html, const QString &style = QString())
{
    return style.isEmpty() ? QStringLiteral("<div>%1</div>").arg(html)
                           : QStringLiteral("<div style=\"%1\">%2</div>").arg(style, html);
}

// The grey italic runs of an RTF body, each cell on its own.
QStringList rtfGrammarNoteTexts(QStringView body)
{
    QTextDocument document;
    rtf::readDocument(body.toLatin1(), &document);
    QStringList notes;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QTextCharFormat format = fragment.charFormat();
            if (!format.fontItalic() || format.foreground().color() != kGrammarColour)
                continue;
            for (const QString &cell : fragment.text().split(u'\t', Qt::SkipEmptyParts))
                notes.append(cell);
        }
    }
    return notes;
}

} // namespace

QStringList grammarNoteTexts(QStringView html)
{
    if (html.startsWith(QLatin1String("{\\rtf")))
        return rtfGrammarNoteTexts(html);
    const QString open = QStringLiteral("<i style=\"%1\">").arg(kGrammarStyle);
    const QString close = QStringLiteral("</i>");
    QStringList notes;
    for (qsizetype at = html.indexOf(open); at >= 0; at = html.indexOf(open, at)) {
        at += open.size();
        const qsizetype end = html.indexOf(close, at);
        if (end < 0)
            break;
        notes << QTextDocumentFragment::fromHtml(html.mid(at, end - at).toString()).toPlainText();
        at = end + close.size();
    }
    return notes;
}

QString escapeHtml(QStringView text)
{
    return text.toString().toHtmlEscaped();
}

QString withItalicRemarks(QStringView text)
{
    QString html;
    for (const RemarkRun &run : remarkRuns(text)) {
        const QString piece = escapeHtml(run.text);
        html += run.remark ? QStringLiteral("<i>%1</i>").arg(piece) : piece;
    }
    return html;
}

QString renderExample(const ExamplePair &example)
{
    if (example.translation.isEmpty())
        return escapeHtml(example.phrase);
    return QStringLiteral("<b>%1</b> \u2014 %2").arg(escapeHtml(example.phrase), escapeHtml(example.translation));
}

QString renderArticle(const ArticleLayout &article)
{
    QString head = QStringLiteral("<b>%1</b>").arg(escapeHtml(article.headword));
    if (article.homonym > 0)
        head += QStringLiteral("<sup>%1</sup>").arg(article.homonym);
    if (!article.grammar.isEmpty())
        head += QStringLiteral(" <i style=\"%1\">%2</i>").arg(kGrammarStyle, escapeHtml(article.grammar.join(QStringLiteral("; "))));
    if (!article.translation.isEmpty())
        head += u' ' + withItalicRemarks(article.translation);

    QString html = line(head);
    if (!article.variants.isEmpty()) {
        QStringList variants;
        for (const QString &variant : article.variants)
            variants.append(QStringLiteral("<b>%1</b>").arg(escapeHtml(variant)));
        html += line(QStringLiteral("<i style=\"%1\">вар.</i> %2").arg(kGrammarStyle, variants.join(QStringLiteral(", "))));
    }
    if (!article.explanation.isEmpty())
        html += line(QStringLiteral("<i style=\"%1\">Пояснение:</i> %2").arg(kGrammarStyle, escapeHtml(article.explanation)));
    for (const ExamplePair &example : article.examples)
        html += line(renderExample(example), kExampleIndent);
    for (const QString &reference : article.references) {
        const qsizetype space = reference.indexOf(u' ');
        html += line(QStringLiteral("<i style=\"%1\">%2</i> %3")
                         .arg(kGrammarStyle, escapeHtml(reference.left(space)), escapeHtml(reference.mid(space + 1))));
    }
    return html;
}

} // namespace lumolex::mkdata
