#include "search/carddeck.h"

#include "article/bodydecoder.h"
#include "article/transcription.h"
#include "data/files/dataloader.h"
#include "data/files/datafileschema.h"
#include "data/table/table.h"

namespace lumolex {

namespace {

// The header lines of a plain-text import: fields split by tabs, HTML in
// the fields, the third field holds the tags.
constexpr char kDeckHeader[] = "#separator:tab\n#html:true\n#tags column:3\n";

// A field of the deck: HTML-escaped, each line break a <br>, tabs as
// blanks, so that one card stays one line of three fields.
QString deckField(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    text.replace(u'\t', u' ');
    while (text.endsWith(u'\n'))
        text.chop(1);
    text = text.toHtmlEscaped();
    text.replace(u'\n', QStringLiteral("<br>"));
    return text;
}

// The row of the article a word of the history stands for, -1 when none.
int articleRowOf(const Table &articles, const QString &word)
{
    const QVector<int> rows = articles.rowsOfKey(QString::fromLatin1(kIndexArticleKey), {RetTransc(word)});
    if (rows.isEmpty())
        return -1;
    const int wordField = articles.fieldIndex(QString::fromLatin1(field::WORD));
    for (const int row : rows) {
        if (articles.valueOfRow(row, wordField).toString() == word)
            return row;
    }
    return rows.first();
}

} // namespace

QString dictionaryTag(int dict)
{
    switch (dict) {
    case 1:
        return QStringLiteral("саами-русский-1985");
    case 2:
        return QStringLiteral("саами-русский-1986");
    case 3:
        return QStringLiteral("русско-саамский-1986");
    case 4:
        return QStringLiteral("саами-русский-формы");
    case 9:
        return QStringLiteral("разговорник");
    default:
        return QStringLiteral("словарь-%1").arg(dict);
    }
}

CardDeck makeCardDeck(const Table &articles, const QStringList &words)
{
    CardDeck deck;
    QString text = QString::fromLatin1(kDeckHeader);
    const int bodyField = articles.fieldIndex(QString::fromLatin1(field::TRANSL));
    const int dictField = articles.fieldIndex(QString::fromLatin1(field::DICT));
    for (const QString &word : words) {
        const int row = articleRowOf(articles, word);
        if (row < 0) {
            deck.missing.append(word);
            continue;
        }
        const QVariant body = articles.valueOfRow(row, bodyField);
        const QString plain = bodyPlainText(body.toByteArray(), !body.isValid());
        text += deckField(word) + u'\t' + deckField(plain) + u'\t' + dictionaryTag(articles.valueOfRow(row, dictField).toInt())
            + u'\n';
        ++deck.cards;
    }
    deck.text = text.toUtf8();
    return deck;
}

} // namespace lumolex
