#include "app/lists/wordformline.h"

namespace lumolex {

namespace {

// A headword as data: escaped for the rich text and kept in its own
// direction run, so that no character of it can reorder or break the line.
QString headwordLink(const FoundArticle &article)
{
    return QStringLiteral("<a href=\"%1\">%2</a>").arg(article.id).arg(u'\u2068' + article.word.toHtmlEscaped() + u'\u2069');
}

} // namespace

WordFormLine::WordFormLine(QWidget *parent)
    : QLabel(parent)
{
    setObjectName(QStringLiteral("LabelWordForm"));
    setTextFormat(Qt::RichText);
    setTextInteractionFlags(Qt::LinksAccessibleByMouse);
    setToolTip(tr("Набранное слово — форма этих слов словаря. Щелчок или Enter открывает статью."));
    setWordWrap(true);
    hide();
    connect(this, &QLabel::linkActivated, this, [this](const QString &link) { emit articleChosen(link.toInt()); });
}

void WordFormLine::showArticles(const QVector<FoundArticle> &found)
{
    m_found = found;
    if (found.isEmpty()) {
        clear();
        return;
    }
    QStringList links;
    for (qsizetype i = 0; i < found.size() && i < kShownHeadwords; ++i)
        links.append(headwordLink(found.at(i)));
    QString text = tr("Форма слова: ") + links.join(QStringLiteral(", "));
    if (found.size() > kShownHeadwords)
        text += QStringLiteral(", …");
    setText(text);
    show();
}

void WordFormLine::clear()
{
    m_found.clear();
    QLabel::clear();
    hide();
}

} // namespace lumolex
