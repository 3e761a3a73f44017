#include "search/wordspellings.h"

#include "article/transcription.h"
#include "data/files/datafiles.h"
#include "data/files/sqlitedb.h"
#include "search/arrid.h"
#include "search/querytext.h"

#include <QByteArray>

#include <algorithm>

namespace lumolex {

WordSpellingFile::WordSpellingFile(const QString &dataFolder)
    : m_path(dataFilePath(dataFolder, DataFile::WordForms))
{
}

WordSpellingFile::WordSpellingFile(sqlite::Database &wordForms)
    : m_db(&wordForms)
{
}

WordSpellingFile::~WordSpellingFile()
{
    // The statements go before their database.
    m_forms.reset();
    m_words.reset();
}

bool WordSpellingFile::open()
{
    if (m_tried)
        return m_words != nullptr;
    m_tried = true;
    if (!m_db) {
        m_ownDb = std::make_unique<sqlite::Database>();
        if (!m_ownDb->openReadOnly(m_path))
            return false;
        m_db = m_ownDb.get();
    }
    {
        sqlite::Statement find(*m_db, "SELECT count(*) FROM sqlite_master WHERE type = 'table' AND name = ?");
        find.bindText(1, QString::fromLatin1(kWordSpellingTable));
        if (!find.next() || find.columnInt(0) == 0)
            return false;
    }
    const QByteArray table(kWordSpellingTable);
    auto forms = std::make_unique<sqlite::Statement>(
        *m_db, ("SELECT FORMIDS FROM " + table + " WHERE TRANSC = ? AND SPELLING = ?").constData());
    auto words = std::make_unique<sqlite::Statement>(
        *m_db, ("SELECT SPELLING, TEXTIDS FROM " + table + " WHERE TRANSC >= ? AND TRANSC < ? AND TEXTIDS IS NOT NULL")
                 .constData());
    if (!forms->isValid() || !words->isValid())
        return false;
    m_forms = std::move(forms);
    m_words = std::move(words);
    return true;
}

std::vector<int> WordSpellingFile::formHolders(const QString &spelling)
{
    std::vector<int> ids;
    if (!open())
        return ids;
    m_forms->reset();
    m_forms->bindText(1, RetTransc(spelling));
    m_forms->bindText(2, spelling);
    if (m_forms->next() && !m_forms->isNull(0))
        parseArrId(m_forms->columnText(0), ids);
    m_forms->reset();
    std::sort(ids.begin(), ids.end());
    ids.erase(std::unique(ids.begin(), ids.end()), ids.end());
    return ids;
}

bool WordSpellingFile::knowsTextWords()
{
    return open();
}

void WordSpellingFile::textWords(const QString &keyPrefix, const TextWord &each)
{
    if (!open())
        return;
    m_words->reset();
    m_words->bindText(1, keyPrefix);
    // A prefix with no text above it runs to the last key: every text
    // stands below any blob.
    const QString end = prefixEnd(keyPrefix);
    if (end.isEmpty())
        m_words->bindBlob(2, QByteArrayView("\xff", 1));
    else
        m_words->bindText(2, end);
    while (m_words->next())
        each(m_words->columnText(0), m_words->columnText(1));
    m_words->reset();
}

} // namespace lumolex
