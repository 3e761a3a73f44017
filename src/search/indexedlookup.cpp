#include "search/indexedlookup.h"

#include "article/transcription.h"
#include "data/files/datafiles.h"
#include "data/files/lookupindexes.h"
#include "data/files/sqlitedb.h"
#include "data/table/spelling.h"
#include "data/table/table.h"
#include "search/arrid.h"
#include "search/fastwordsearch.h"
#include "search/querytext.h"

#include <QSet>

#include <algorithm>
#include <vector>

namespace lumolex {

namespace {

// Values go into the SQL text as hexadecimal literals: whatever a query
// holds (quotes, NUL), it cannot change the statement.
QString blobLiteral(const QByteArray &bytes)
{
    return QStringLiteral("x'%1'").arg(QString::fromLatin1(bytes.toHex()));
}

QString textLiteral(const QString &text)
{
    return QStringLiteral("CAST(%1 AS TEXT)").arg(blobLiteral(text.toUtf8()));
}

QString dictCondition(const QList<int> &dicts)
{
    if (dicts.isEmpty())
        return {};
    // The view of the program: code 0 is always visible.
    QStringList codes{QStringLiteral("0")};
    for (const int dict : dicts)
        codes.append(QString::number(dict));
    return QStringLiteral("DICT IN (%1)").arg(codes.join(u','));
}

QString joined(const QStringList &conditions)
{
    QStringList present;
    for (const QString &condition : conditions) {
        if (!condition.isEmpty())
            present.append(QStringLiteral("(%1)").arg(condition));
    }
    return present.join(QStringLiteral(" AND "));
}

QString keyRangeCondition(const QString &prefix)
{
    const QString end = prefixEnd(prefix);
    if (end.isEmpty())
        return QStringLiteral("TRANSC >= %1").arg(textLiteral(prefix));
    return QStringLiteral("TRANSC >= %1 AND TRANSC < %2").arg(textLiteral(prefix), textLiteral(end));
}

// The IDs as a JSON array that json_each() reads: one literal for SQLite to
// parse, however many IDs a short query reaches.
QString idCondition(const std::vector<int> &ids)
{
    QString list;
    list.reserve(qsizetype(ids.size()) * 7);
    for (const int id : ids) {
        if (!list.isEmpty())
            list += u',';
        list += QString::number(id);
    }
    return QStringLiteral("ID IN (SELECT value FROM json_each('[%1]'))").arg(list);
}

// The one index the fast word search and show read articles by.
void indexById(Table &articles)
{
    articles.addIndex(QString::fromLatin1(kIndexArticleId), QStringLiteral("ID"));
    articles.setActiveIndex(QString::fromLatin1(kIndexArticleId));
}

} // namespace

struct IndexedLookup::OpenFile {
    DataFile file;
    sqlite::Database db;
    QString problem;    // why it cannot be read; empty when it can
    bool indexed = false;
};

IndexedLookup::IndexedLookup(const QString &dataFolder)
    : m_dataFolder(dataFolder)
    , m_loader(dataFolder)
{
}

IndexedLookup::~IndexedLookup() = default;

IndexedLookup::OpenFile &IndexedLookup::openFile(DataFile file)
{
    for (const auto &open : m_files) {
        if (open->file == file)
            return *open;
    }
    auto open = std::make_unique<OpenFile>();
    open->file = file;
    const QString path = dataFilePath(m_dataFolder, file);
    const QString problem = openDataFile(file, path, open->db);
    if (!problem.isEmpty()) {
        open->problem = unreadableFileMessage(file, path, problem);
    } else {
        open->indexed = hasLookupIndexes(open->db, file);
    }
    m_files.push_back(std::move(open));
    return *m_files.back();
}

sqlite::Database *IndexedLookup::database(DataFile file)
{
    OpenFile &open = openFile(file);
    if (!open.problem.isEmpty()) {
        m_error = open.problem;
        return nullptr;
    }
    return &open.db;
}

bool IndexedLookup::available(const QList<DataFile> &files)
{
    for (const DataFile file : files) {
        const OpenFile &open = openFile(file);
        if (!open.problem.isEmpty() || !open.indexed)
            return false;
    }
    return true;
}

bool IndexedLookup::readArticles(const QString &condition, Table &articles, DataFileLoader::Bodies bodies)
{
    sqlite::Database *db = database(DataFile::Articles);
    if (!db)
        return false;
    if (!m_loader.readRows(DataFile::Articles, *db, articles, condition, bodies)) {
        m_error = m_loader.errorString();
        return false;
    }
    return true;
}

bool IndexedLookup::readArticle(int id, Table &articles)
{
    if (!readArticles(QStringLiteral("ID = %1").arg(id), articles, DataFileLoader::Bodies::Read))
        return false;
    indexById(articles);
    return true;
}

bool IndexedLookup::readListed(const QString &condition, Table &articles)
{
    if (!readArticles(condition, articles, DataFileLoader::Bodies::Skip))
        return false;
    DataFileLoader::buildArticleIndexes(articles);
    return true;
}

bool IndexedLookup::readListArticles(const QString &from, const QList<int> &dicts, int count, Table &articles)
{
    sqlite::Database *opened = database(DataFile::Articles);
    if (!opened)
        return false;
    sqlite::Database &db = *opened;
    const QString table = QString::fromLatin1(kArticleKeyOrderTable);
    const QString inView = dictCondition(dicts);
    // The sort key at `offset` in key order among the rows meeting `where`.
    const auto keyAt = [&](const QString &where, const char *order, int offset, bool *found) {
        const QByteArray sql = QStringLiteral("SELECT SORTKEY FROM %1 WHERE %2 ORDER BY SORTKEY %3 LIMIT 1 OFFSET %4")
                                   .arg(table, joined({where, QStringLiteral("1")}), QLatin1String(order))
                                   .arg(offset)
                                   .toUtf8();
        sqlite::Statement select(db, sql.constData());
        *found = select.next();
        return *found ? select.columnBlob(0) : QByteArray();
    };
    const auto atLeast = [](const QByteArray &key) { return QStringLiteral("SORTKEY >= ") + blobLiteral(key); };

    QString lowBound;
    if (!from.isEmpty()) {
        // Where the word box lands: the first key that begins with the typed
        // key or, when none does, with one of its spellings with ё for е
        // (the typed key comes first among them); else the nearest key, or
        // the last record when every key is below it.
        const QString key = RetTransc(from);
        QByteArray landing;
        bool found = false;
        for (const QString &spelling : yoSpellings(key)) {
            const QByteArray prefix = articleOrderKey(spelling);
            if (keyAt(joined({atLeast(prefix), inView}), "ASC", 0, &found).startsWith(prefix) && found) {
                landing = prefix;
                break;
            }
            found = false;
        }
        if (!found) {
            landing = articleOrderKey(key);
            keyAt(joined({atLeast(landing), inView}), "ASC", 0, &found);
            if (!found)
                landing = keyAt(inView, "DESC", 0, &found);
            if (!found)
                return readListed(QStringLiteral("0"), articles);
        }
        lowBound = atLeast(landing);
    }
    // The key of the last record shown, counted from the start of the first
    // key (the word box may land on any record of it, at its exact
    // spelling); every article of that key is read too.
    QString highBound;
    if (count >= 0) {
        bool found = false;
        const QByteArray first = keyAt(joined({lowBound, inView}), "ASC", 0, &found);
        int group = 0;
        if (found) {
            const QByteArray sql = QStringLiteral("SELECT count(*) FROM %1 WHERE %2")
                                       .arg(table, joined({QStringLiteral("SORTKEY = ") + blobLiteral(first), inView}))
                                       .toUtf8();
            sqlite::Statement rows(db, sql.constData());
            group = rows.next() ? int(rows.columnInt(0)) : 0;
        }
        const QByteArray high = keyAt(joined({lowBound, inView}), "ASC", std::max(count, 1) - 1 + std::max(group - 1, 0), &found);
        if (found)
            highBound = QStringLiteral("SORTKEY <= ") + blobLiteral(high);
    }
    return readListed(QStringLiteral("ID IN (SELECT ID FROM %1 WHERE %2)")
                          .arg(table, joined({lowBound, highBound, inView, QStringLiteral("1")})),
                      articles);
}

bool IndexedLookup::readSearchRows(const QString &query, Table &articles, Table &wordForms, DataFileLoader::Bodies bodies)
{
    QStringList ranges;
    QSet<QString> seen;
    for (const QString &key : FastWordSearch::wordKeys(query)) {
        // An empty word restricts nothing: the other words decide.
        if (key.isEmpty() || seen.contains(key))
            continue;
        seen.insert(key);
        for (const QString &spelling : yoPrefixSpellings(key))
            ranges.append(QStringLiteral("(%1)").arg(keyRangeCondition(spelling)));
    }
    if (ranges.isEmpty())
        ranges.append(QStringLiteral("1"));
    sqlite::Database *forms = database(DataFile::WordForms);
    if (!forms)
        return false;
    if (!m_loader.readRows(DataFile::WordForms, *forms, wordForms, ranges.join(QStringLiteral(" OR ")))) {
        m_error = m_loader.errorString();
        return false;
    }
    DataFileLoader::buildWordFormIndex(wordForms);

    std::vector<int> ids;
    std::vector<int> formIds;
    QString buffer;
    const int arrid = wordForms.fieldIndex(QString::fromLatin1(field::ARRID));
    for (int row = 0; row < wordForms.recordCount(); ++row) {
        parseArrId(wordForms.textAt(row, arrid, buffer), formIds);
        ids.insert(ids.end(), formIds.begin(), formIds.end());
    }
    std::sort(ids.begin(), ids.end());
    ids.erase(std::unique(ids.begin(), ids.end()), ids.end());
    // The search reads the articles by ID; it makes the keys of those it
    // lists itself, so the key index, which also keys every headword's
    // spelling, is not built.
    if (!readArticles(idCondition(ids), articles, bodies))
        return false;
    indexById(articles);
    return true;
}

} // namespace lumolex
