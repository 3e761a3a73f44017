#include "data/files/sqlitedb.h"

#include <QUrl>

#include <sqlite3.h>

namespace lumolex::sqlite {

Database::~Database()
{
    close();
}

bool Database::openReadOnly(const QString &path)
{
    close();
    // immutable=1: the file is treated as unchangeable, so SQLite takes no
    // locks and never looks for a journal beside it. One thread uses the
    // connection, so it needs no mutex.
    const QByteArray uri = QUrl::fromLocalFile(path).toEncoded() + "?immutable=1";
    const int rc = sqlite3_open_v2(uri.constData(), &m_db, SQLITE_OPEN_READONLY | SQLITE_OPEN_URI | SQLITE_OPEN_NOMUTEX,
                                   nullptr);
    if (rc != SQLITE_OK) {
        setError(rc);
        close();
        return false;
    }
    // Pages are read into SQLite's small page cache, not through a memory
    // map: a full read of a mapped file keeps every page of it resident in
    // the program until the file closes, which on a large word-form file
    // is more memory than the whole loaded table.
    return true;
}

bool Database::create(const QString &path)
{
    close();
    const QByteArray name = path.toUtf8();
    const int rc = sqlite3_open_v2(name.constData(), &m_db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    if (rc != SQLITE_OK) {
        setError(rc);
        close();
        return false;
    }
    return true;
}

void Database::close()
{
    if (m_db) {
        sqlite3_close_v2(m_db);
        m_db = nullptr;
    }
}

bool Database::exec(const char *sql)
{
    char *message = nullptr;
    const int rc = sqlite3_exec(m_db, sql, nullptr, nullptr, &message);
    if (rc != SQLITE_OK) {
        m_errorCode = rc & 0xff;
        m_error = QString::fromUtf8(message ? message : sqlite3_errstr(rc));
        sqlite3_free(message);
        return false;
    }
    return true;
}

void Database::setError(int code)
{
    m_errorCode = code & 0xff;
    m_error = QString::fromUtf8(m_db ? sqlite3_errmsg(m_db) : sqlite3_errstr(code));
}

Statement::Statement(Database &db, const char *sql)
    : m_db(db)
{
    if (!db.isOpen()) {
        m_failed = true;
        return;
    }
    const int rc = sqlite3_prepare_v2(db.handle(), sql, -1, &m_stmt, nullptr);
    if (rc != SQLITE_OK) {
        db.setError(rc);
        sqlite3_finalize(m_stmt);
        m_stmt = nullptr;
        m_failed = true;
    }
}

Statement::~Statement()
{
    sqlite3_finalize(m_stmt);
}

bool Statement::next()
{
    if (!m_stmt || m_failed)
        return false;
    const int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW)
        return true;
    if (rc != SQLITE_DONE) {
        m_db.setError(rc);
        m_failed = true;
    }
    return false;
}

bool Statement::run()
{
    next();
    return !m_failed;
}

void Statement::reset()
{
    if (m_stmt) {
        sqlite3_reset(m_stmt);
        sqlite3_clear_bindings(m_stmt);
    }
}

void Statement::bindInt(int index, qint64 value)
{
    sqlite3_bind_int64(m_stmt, index, value);
}

void Statement::bindText(int index, const QString &value)
{
    const QByteArray utf8 = value.toUtf8();
    sqlite3_bind_text(m_stmt, index, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
}

void Statement::bindBlob(int index, QByteArrayView value)
{
    // A zero-length blob stays a blob (not NULL): an empty body differs from none.
    sqlite3_bind_blob(m_stmt, index, value.isEmpty() ? "" : value.data(), int(value.size()), SQLITE_TRANSIENT);
}

void Statement::bindNull(int index)
{
    sqlite3_bind_null(m_stmt, index);
}

int Statement::columnCount() const
{
    return sqlite3_column_count(m_stmt);
}

int Statement::columnType(int column) const
{
    return sqlite3_column_type(m_stmt, column);
}

bool Statement::isNull(int column) const
{
    return columnType(column) == SQLITE_NULL;
}

qint64 Statement::columnInt(int column) const
{
    return sqlite3_column_int64(m_stmt, column);
}

QString Statement::columnText(int column) const
{
    const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(m_stmt, column));
    const int bytes = sqlite3_column_bytes(m_stmt, column);
    return QString::fromUtf8(text, bytes);
}

QByteArray Statement::columnBlob(int column) const
{
    const auto *data = static_cast<const char *>(sqlite3_column_blob(m_stmt, column));
    const int bytes = sqlite3_column_bytes(m_stmt, column);
    // A zero-length blob comes back as a null pointer; keep it an empty,
    // non-null array so that it stays distinct from a NULL field.
    return data ? QByteArray(data, bytes) : QByteArray("", 0);
}

QByteArrayView Statement::columnUtf8(int column) const
{
    const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(m_stmt, column));
    return QByteArrayView(text, sqlite3_column_bytes(m_stmt, column));
}

QByteArrayView Statement::columnBlobView(int column) const
{
    const auto *data = static_cast<const char *>(sqlite3_column_blob(m_stmt, column));
    return QByteArrayView(data, sqlite3_column_bytes(m_stmt, column));
}

QString quoteIdentifier(const QString &name)
{
    QString quoted = name;
    quoted.replace(u'"', QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

} // namespace lumolex::sqlite
