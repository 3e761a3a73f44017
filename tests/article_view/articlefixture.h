#pragma once

// Helpers for the article display tests: article and examples tables built
// with the table engine, bodies made of RTF text compressed as stored, and a
// stand-in for the main window's FindWord.

#include "article/bodydecoder.h"
#include "article/transcription.h"
#include "data/table.h"

#include <QByteArray>
#include <QString>
#include <QVariant>

#include <memory>
#include <vector>

namespace lumolex::test {

// An RTF document whose plain text is text ('\n' separates paragraphs);
// every non-ASCII character is written as \uN.
inline QByteArray rtfText(const QString &text)
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
    rtf += '}';
    return rtf;
}

// A stored body: the RTF document of text, compressed.
inline QByteArray rtfBody(const QString &text)
{
    return deflateBody(rtfText(text));
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

inline QVector<FieldDef> articleFields()
{
    return {{QStringLiteral("ID"), FieldType::Integer, 0},
            {QStringLiteral("DICT"), FieldType::Integer, 0},
            {QStringLiteral("WORD"), FieldType::Text, 50},
            {QStringLiteral("TRANSL"), FieldType::Blob, 0},
            {QStringLiteral("TRANSC"), FieldType::Text, 50},
            {QStringLiteral("GOTO"), FieldType::Text, 50}};
}

// The article table as the program opens it: both indexes, "cds1i1" active,
// the filter admitting code 0 and the given dictionaries.
inline std::unique_ptr<Table> articleTable(const std::vector<ArticleRow> &rows, QList<int> dicts = {1})
{
    auto table = std::make_unique<Table>(QStringLiteral("articles"), articleFields());
    for (const ArticleRow &r : rows)
        table->appendRow({r.id, r.dict, r.word, r.body, RetTransc(r.word), r.target});
    table->addIndex(QStringLiteral("cds1i1"), QStringLiteral("TRANSC;DICT"));
    table->addIndex(QStringLiteral("cds1i2"), QStringLiteral("ID"));
    table->setActiveIndex(QStringLiteral("cds1i1"));
    QString filter = QStringLiteral("(DICT=0)");
    for (int d : dicts)
        filter += QStringLiteral(" OR (DICT=%1)").arg(d);
    table->setFilterText(filter);
    table->setFiltered(true);
    return table;
}

inline std::unique_ptr<Table> examplesTable(const std::vector<QVariant> &phrases)
{
    auto table = std::make_unique<Table>(
        QStringLiteral("examples"),
        QVector<FieldDef>{{QStringLiteral("ID"), FieldType::Integer, 0},
                          {QStringLiteral("PHRASE"), FieldType::Blob, 0}});
    int id = 0;
    for (const QVariant &p : phrases)
        table->appendRow({++id, p});
    return table;
}

// What the main window's FindWord does to the table: make the article with
// that ID current and admit its dictionary (alone), one notification at the end.
inline void findWordInTable(Table &table, qint32 id)
{
    table.suspendNotifications();
    TableMark mark = table.mark();
    table.setFiltered(false);
    table.setActiveIndex(QStringLiteral("cds1i2"));
    if (table.findKey({id})) {
        mark = table.mark();
        table.setFilterText(QStringLiteral("(DICT=0) OR (DICT=%1)").arg(table.value(u"DICT").toInt()));
    }
    table.setFiltered(true);
    table.setActiveIndex(QStringLiteral("cds1i1"));
    if (!table.gotoMark(mark))
        table.first();
    table.resumeNotifications();
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

} // namespace lumolex::test
