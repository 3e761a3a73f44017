#pragma once

// Helpers for the article display tests: article and examples tables as the
// program loads them, bodies made of RTF text compressed as stored, and
// message boxes that record what they would show.

#include "article/bodydecoder.h"
#include "article/transcription.h"
#include "article/view/messageboxes.h"
#include "data/files/dataloader.h"
#include "data/table/table.h"

#include <memory>
#include <vector>

namespace lumolex::test {

// A stored body: an RTF document whose plain text is `text` ('\n' separates
// paragraphs, every non-ASCII character written as \uN), compressed.
inline QByteArray rtfBody(const QString &text)
{
    QByteArray rtf = "{\\rtf1\\ansi\\ansicpg1251\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset204 Arial;}}\\f0\\fs20 ";
    for (const QChar c : text) {
        if (c == QLatin1Char('\n'))
            rtf += "\\par ";
        else if (c == QLatin1Char('\\') || c == QLatin1Char('{') || c == QLatin1Char('}'))
            rtf += '\\' + QByteArray(1, char(c.unicode()));
        else if (c.unicode() >= 0x20 && c.unicode() < 0x80)
            rtf += char(c.unicode());
        else
            rtf += "\\u" + QByteArray::number(qint16(c.unicode())) + '?';
    }
    return deflateBody(rtf + '}');
}

// Values for a body field.
inline QVariant nullBody() { return QVariant(); }
inline QVariant emptyBody() { return QVariant(QByteArray("")); }

struct ArticleRow {
    int id;
    int dict;
    QString word;
    QVariant body;            // TRANSL: null, empty or stored bytes
    QVariant target = {};     // GOTO: null or a headword
};

// The article table as the program opens it, the filter admitting code 0 and dictionary 1.
inline std::unique_ptr<Table> articleTable(const std::vector<ArticleRow> &rows)
{
    auto table = std::make_unique<Table>(QStringLiteral("articles"), fieldDefs(DataFile::Articles));
    for (const ArticleRow &r : rows)
        table->appendRow({r.id, r.dict, r.word, r.body, RetTransc(r.word), r.target});
    Table wordForms(QStringLiteral("words"), fieldDefs(DataFile::WordForms));
    DataFileLoader::buildIndexes(*table, wordForms);
    table->setFilterText(QStringLiteral("(DICT=0) OR (DICT=1)"));
    table->setFiltered(true);
    return table;
}

inline std::unique_ptr<Table> examplesTable(const std::vector<QVariant> &phrases)
{
    auto table = std::make_unique<Table>(QStringLiteral("examples"), fieldDefs(DataFile::Examples));
    int id = 0;
    for (const QVariant &p : phrases)
        table->appendRow({++id, p});
    return table;
}

inline int currentId(const Table &table)
{
    return table.value(u"ID").toInt();
}

// Moves to the article with that ID within the current view (as a click in
// the word list would), without touching the filter.
inline bool gotoId(Table &table, int id)
{
    table.suspendNotifications();
    table.first();
    bool found = false;
    while (!found && !table.atEnd()) {
        if (currentId(table) == id)
            found = true;
        else
            table.next();
    }
    table.resumeNotifications();
    return found;
}

class RecordingBoxes : public MessageBoxes
{
public:
    void error(const QString &title, const QString &text) override { errors << title + u'|' + text; }
    bool askYesNo(const QString &title, const QString &text) override
    {
        questions << title + u'|' + text;
        return answer;
    }
    bool answer = true;
    QStringList errors;
    QStringList questions;
};

} // namespace lumolex::test
