#pragma once

// A thin RAII layer over the SQLite C API, just what the data files need:
// open a file read-only (or create one for the build tool), run statements,
// read columns as Qt values.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

struct sqlite3;
struct sqlite3_stmt;

namespace lumolex::sqlite {

class Database
{
public:
    Database() = default;
    ~Database();
    Database(const Database &) = delete;
    Database &operator=(const Database &) = delete;

    // Opens an existing file without ever writing to it, locking it or
    // looking for journals, so that it may sit on read-only media.
    bool openReadOnly(const QString &path);
    // Creates (or truncates to nothing) a file for writing.
    bool create(const QString &path);
    void close();

    bool isOpen() const { return m_db != nullptr; }
    bool exec(const char *sql);
    QString errorMessage() const { return m_error; }
    int errorCode() const { return m_errorCode; }   // primary SQLite result code of the last failure

    sqlite3 *handle() const { return m_db; }
    void setError(int code);                        // records the handle's message for code

private:
    sqlite3 *m_db = nullptr;
    QString m_error;
    int m_errorCode = 0;
};

class Statement
{
public:
    Statement(Database &db, const char *sql);
    ~Statement();
    Statement(const Statement &) = delete;
    Statement &operator=(const Statement &) = delete;

    bool isValid() const { return m_stmt != nullptr; }

    // Returns true while a row is available; false at the end or on error
    // (then failed() is true and the database holds the message).
    bool next();
    bool failed() const { return m_failed; }
    // Runs a statement that returns no rows; false on error.
    bool run();
    void reset();

    void bindInt(int index, qint64 value);          // 1-based, as in SQLite
    void bindText(int index, const QString &value);
    void bindBlob(int index, QByteArrayView value);
    void bindNull(int index);

    int columnCount() const;
    int columnType(int column) const;               // SQLITE_INTEGER, SQLITE_TEXT, ...
    bool isNull(int column) const;
    qint64 columnInt(int column) const;
    QString columnText(int column) const;
    QByteArray columnBlob(int column) const;
    // Views of SQLite's own buffers, valid until the next step or column
    // read of another type; no copy. A zero-length blob may have no data.
    QByteArrayView columnUtf8(int column) const;
    QByteArrayView columnBlobView(int column) const;

private:
    Database &m_db;
    sqlite3_stmt *m_stmt = nullptr;
    bool m_failed = false;
};

// Quotes an identifier for use in SQL text ("a""b").
QString quoteIdentifier(const QString &name);

} // namespace lumolex::sqlite
