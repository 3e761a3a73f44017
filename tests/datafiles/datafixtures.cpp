#include "datafixtures.h"

#include "datawriter.h"

#include "data/files/datafiles.h"
#include "data/files/sqlitedb.h"

#include <QFile>

#include <gtest/gtest.h>

namespace lumolex::testing {

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(bytes);
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool buildData(const mkdata::BuildInput &input, const QString &outputFolder, QStringList *problems)
{
    mkdata::BuiltData data;
    mkdata::ProblemList list;
    mkdata::DataBuilder builder;
    if (!builder.build(input, &data, &list)) {
        *problems = list.messages();
        return false;
    }
    const QString error = mkdata::DataWriter().write(data, outputFolder);
    if (!error.isEmpty()) {
        *problems = {error};
        return false;
    }
    return true;
}

void makeDatabase(const QString &path, const QStringList &statements)
{
    QFile::remove(path);
    sqlite::Database db;
    ASSERT_TRUE(db.create(path)) << db.errorMessage().toStdString();
    ASSERT_TRUE(db.exec("BEGIN"));
    for (const QString &sql : statements)
        ASSERT_TRUE(db.exec(sql.toUtf8().constData())) << sql.toStdString() << ": " << db.errorMessage().toStdString();
    ASSERT_TRUE(db.exec("COMMIT"));
}

void makeEmptyDataFiles(const QString &folder)
{
    for (const DataFileLayout &layout : allDataFileLayouts())
        makeDatabase(dataFilePath(folder, layout.file), {layout.createSql});
}

QString arridOf(Table &wordForms, const QString &key)
{
    if (!wordForms.findKey({key}))
        return {};
    return wordForms.value(u"ARRID").toString();
}

} // namespace lumolex::testing
