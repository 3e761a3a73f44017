#include "datawriter.h"
#include "tooltext.h"

#include "data/files/datafiles.h"
#include "data/files/datafileschema.h"
#include "data/files/lookupindexes.h"
#include "data/files/sqlitedb.h"
#include "search/wordspellings.h"

#include <QDir>
#include <QFile>
#include <QTemporaryFile>

#include <filesystem>
#include <system_error>

namespace lumolex::mkdata {

namespace {

// Opens a fresh database for one bulk load: no journal, no syncing until
// the end; the data is either complete or thrown away.
QString begin(sqlite::Database &db, const QString &path, const QString &createSql)
{
    if (!db.create(path))
        return db.errorMessage();
    if (!db.exec("PRAGMA page_size = 4096") || !db.exec("PRAGMA journal_mode = OFF")
        || !db.exec("PRAGMA synchronous = OFF") || !db.exec("BEGIN")) {
        return db.errorMessage();
    }
    if (!db.exec(createSql.toUtf8().constData()))
        return db.errorMessage();
    return {};
}

// The look-up indexes of a file whose table is filled (made after the rows,
// which is faster than keeping them up to date row by row).
QString addLookupIndexes(sqlite::Database &db, DataFile file)
{
    for (const QString &statement : lookupIndexStatements(file)) {
        if (!db.exec(statement.toUtf8().constData()))
            return db.errorMessage();
    }
    return {};
}

QString finish(sqlite::Database &db)
{
    if (!db.exec("COMMIT"))
        return db.errorMessage();
    db.close();
    return {};
}

void bindBody(sqlite::Statement &insert, int index, bool isNull, const QByteArray &body)
{
    if (isNull)
        insert.bindNull(index);
    else
        insert.bindBlob(index, body);
}

// An empty text is stored as null.
void bindTextOrNull(sqlite::Statement &insert, int index, const QString &text)
{
    if (text.isEmpty())
        insert.bindNull(index);
    else
        insert.bindText(index, text);
}

// Inserts every row with one statement; bind sets the statement's values
// for a row. Returns an empty text, or the message of the first failure.
template<typename Rows, typename Bind>
QString insertRows(sqlite::Database &db, const char *sql, const Rows &rows, Bind bind)
{
    sqlite::Statement insert(db, sql);
    for (const auto &row : rows) {
        insert.reset();
        bind(insert, row);
        if (!insert.run())
            return db.errorMessage();
    }
    return {};
}

// The path as the file system spells it. std::filesystem would convert a
// wide string with the C++ global locale, which is "C" here, and throw on
// any character outside ASCII.
std::filesystem::path nativePath(const QString &path)
{
#ifdef Q_OS_WIN
    return std::filesystem::path(path.toStdWString());
#else
    return std::filesystem::path(QFile::encodeName(path).toStdString());
#endif
}

// A unique, empty file next to the target, left for the caller to fill.
QString reserveTemporaryPath(const QString &target, QString *error)
{
    QTemporaryFile file(target + QStringLiteral(".XXXXXX.tmp"));
    file.setAutoRemove(false);
    if (!file.open()) {
        *error = file.errorString();
        return {};
    }
    return file.fileName();
}

} // namespace

QString DataWriter::write(const BuiltData &data, const QString &outputFolder)
{
    if (!QDir().mkpath(outputFolder))
        return tools::toolText("lumolex-mkdata", "cannot create the folder %1").arg(outputFolder);

    using Writer = QString (*)(const BuiltData &, const QString &);
    const Writer writers[kDataFileCount] = {writeArticles, writeWordForms, writeExamples};
    QString targets[kDataFileCount];
    QString temporaries[kDataFileCount];
    QString error;
    for (int i = 0; i < kDataFileCount && error.isEmpty(); ++i) {
        targets[i] = dataFilePath(outputFolder, DataFile(i));
        temporaries[i] = reserveTemporaryPath(targets[i], &error);
        if (error.isEmpty()) {
            error = writers[i](data, temporaries[i]);
            if (!error.isEmpty())
                error = QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(targets[i]), error);
        }
    }
    for (int i = 0; i < kDataFileCount && error.isEmpty(); ++i) {
        // Temporary files are private to their owner; data files are for every user.
        QFile::setPermissions(temporaries[i], QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                                  | QFileDevice::ReadGroup | QFileDevice::ReadOther);
        std::error_code code;
        std::filesystem::rename(nativePath(temporaries[i]), nativePath(targets[i]), code);
        if (code)
            error = tools::toolText("lumolex-mkdata", "cannot replace %1: %2")
                        .arg(QDir::toNativeSeparators(targets[i]), QString::fromLocal8Bit(code.message()));
    }
    if (!error.isEmpty()) {
        for (const QString &temporary : temporaries) {
            if (!temporary.isEmpty())
                QFile::remove(temporary);
        }
    }
    return error;
}

QString DataWriter::writeArticles(const BuiltData &data, const QString &path)
{
    sqlite::Database db;
    QString error = begin(db, path, dataFileLayout(DataFile::Articles).createSql);
    if (error.isEmpty()) {
        error = insertRows(db, "INSERT INTO articles (ID, DICT, WORD, TRANSL, TRANSC, GOTO) VALUES (?, ?, ?, ?, ?, ?)",
                           data.articles, [](sqlite::Statement &insert, const ArticleRow &row) {
                               insert.bindInt(1, row.id);
                               insert.bindInt(2, row.dict);
                               insert.bindText(3, row.word);
                               bindBody(insert, 4, row.bodyNull, row.body);
                               insert.bindText(5, row.key);
                               bindTextOrNull(insert, 6, row.gotoWord);
                           });
    }
    if (error.isEmpty())
        error = addLookupIndexes(db, DataFile::Articles);
    if (error.isEmpty()) {
        const QByteArray sql = QStringLiteral("INSERT INTO %1 (SORTKEY, DICT, ID) VALUES (?, ?, ?)")
                                   .arg(QLatin1String(kArticleKeyOrderTable))
                                   .toUtf8();
        error = insertRows(db, sql.constData(), data.articles, [](sqlite::Statement &insert, const ArticleRow &row) {
            insert.bindBlob(1, articleOrderKey(row.key));
            insert.bindInt(2, row.dict);
            insert.bindInt(3, row.id);
        });
    }
    if (error.isEmpty() && !db.exec(kCreditsCreateSql))
        error = db.errorMessage();
    if (error.isEmpty()) {
        error = insertRows(db, "INSERT INTO credits (DICT, PERSON, SOURCE) VALUES (?, ?, ?)", data.credits,
                           [](sqlite::Statement &insert, const DictionaryCredit &credit) {
                               insert.bindInt(1, credit.dict);
                               insert.bindText(2, credit.person);
                               bindTextOrNull(insert, 3, credit.source);
                           });
    }
    return error.isEmpty() ? finish(db) : error;
}

QString DataWriter::writeWordForms(const BuiltData &data, const QString &path)
{
    sqlite::Database db;
    QString error = begin(db, path, dataFileLayout(DataFile::WordForms).createSql);
    if (error.isEmpty()) {
        error = insertRows(db, "INSERT INTO wordforms (TRANSC, ARRID) VALUES (?, ?)", data.wordForms.rows(),
                           [](sqlite::Statement &insert, const WordFormRow &row) {
                               insert.bindText(1, row.key);
                               insert.bindText(2, row.ids);
                           });
    }
    if (error.isEmpty())
        error = addLookupIndexes(db, DataFile::WordForms);
    if (error.isEmpty() && !db.exec(kWordSpellingCreateSql))
        error = db.errorMessage();
    if (error.isEmpty()) {
        error = insertRows(db, "INSERT INTO wordspellings (TRANSC, SPELLING, TEXTIDS, FORMIDS) VALUES (?, ?, ?, ?)",
                           data.wordForms.spellingRows(), [](sqlite::Statement &insert, const SpellingRow &row) {
                               insert.bindText(1, row.key);
                               insert.bindText(2, row.spelling);
                               bindTextOrNull(insert, 3, row.textIds);
                               bindTextOrNull(insert, 4, row.formIds);
                           });
    }
    return error.isEmpty() ? finish(db) : error;
}

QString DataWriter::writeExamples(const BuiltData &data, const QString &path)
{
    sqlite::Database db;
    QString error = begin(db, path, dataFileLayout(DataFile::Examples).createSql);
    if (error.isEmpty()) {
        error = insertRows(db, "INSERT INTO examples (ID, PHRASE) VALUES (?, ?)", data.examples,
                           [](sqlite::Statement &insert, const ExampleRow &row) {
                               insert.bindInt(1, row.id);
                               bindBody(insert, 2, row.bodyNull, row.body);
                           });
    }
    return error.isEmpty() ? finish(db) : error;
}

} // namespace lumolex::mkdata
