#include "data/files/credits.h"

#include "data/files/datafiles.h"
#include "data/files/datafileschema.h"
#include "data/files/sqlitedb.h"

#include <QCoreApplication>

#include <sqlite3.h>

namespace lumolex {

bool DictionaryCredits::read(sqlite::Database &db, QString *cause)
{
    clear();
    {
        sqlite::Statement find(db, "SELECT count(*) FROM sqlite_master WHERE type = 'table' AND name = 'credits'");
        if (!find.next()) {
            *cause = sqliteFailureCause(db);
            return false;
        }
        if (find.columnInt(0) == 0)
            return true;
    }
    sqlite::Statement rows(db, "SELECT DICT, PERSON, SOURCE FROM credits ORDER BY DICT");
    while (rows.next()) {
        if (rows.columnType(0) != SQLITE_INTEGER || rows.columnType(1) != SQLITE_TEXT) {
            *cause = QCoreApplication::translate("Credits", "в таблице «credits» неверная запись");
            clear();
            return false;
        }
        set(DictionaryCredit{int(rows.columnInt(0)), rows.columnText(1).trimmed(),
                             rows.isNull(2) ? QString() : rows.columnText(2)});
    }
    if (rows.failed()) {
        *cause = sqliteFailureCause(db);
        clear();
        return false;
    }
    return true;
}

} // namespace lumolex
