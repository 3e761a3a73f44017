#pragma once

// The person credited for each dictionary (surname and initials), kept in a
// small table of the article file so that captions and hints come from the
// data. A file without that table simply credits nobody.

#include <QList>
#include <QMap>
#include <QString>

namespace lumolex {

namespace sqlite {
class Database;
}

struct DictionaryCredit {
    int dict = 0;
    QString person;     // "Куруч Р. Д."
    QString source;     // what the dictionary was made from, for the About text
};

class DictionaryCredits
{
public:
    void clear() { m_credits.clear(); }
    void set(const DictionaryCredit &credit) { m_credits.insert(credit.dict, credit); }

    bool isEmpty() const { return m_credits.isEmpty(); }
    bool contains(int dict) const { return m_credits.contains(dict); }
    QString person(int dict) const { return m_credits.value(dict).person; }   // empty when none
    QString source(int dict) const { return m_credits.value(dict).source; }
    QList<DictionaryCredit> all() const { return m_credits.values(); }        // by code

    // Reads the credits table of an opened article file. Returns false and
    // a cause when the table exists but cannot be read.
    bool read(sqlite::Database &db, QString *cause);

private:
    QMap<int, DictionaryCredit> m_credits;
};

} // namespace lumolex
