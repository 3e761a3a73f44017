#pragma once

// Helpers of the data file tests: source files in a temporary folder, a
// build through the tool's own classes, tables to load into, and raw SQLite
// files for the damaged cases.

#include "databuilder.h"

#include "data/files/datafileschema.h"
#include "data/table/table.h"

#include <QDir>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace lumolex::testing {

void writeFile(const QString &path, const QByteArray &bytes);
QByteArray readFile(const QString &path);

// Runs the builder and the writer; false with the problems on bad sources.
bool buildData(const mkdata::BuildInput &input, const QString &outputFolder, QStringList *problems);

struct LoadedTables {
    Table articles{QStringLiteral("ClientDataSet1"), fieldDefs(DataFile::Articles)};
    Table wordForms{QStringLiteral("ClientDataSet2"), fieldDefs(DataFile::WordForms)};
    Table examples{QStringLiteral("ClientDataSet3"), fieldDefs(DataFile::Examples)};
};

// Creates an SQLite file by running the statements in order.
void makeDatabase(const QString &path, const QStringList &statements);

// Valid empty files for all three tables in the folder.
void makeEmptyDataFiles(const QString &folder);

// The ARRID of a key in the word-form table, or a null text.
QString arridOf(Table &wordForms, const QString &key);

// A test with a temporary folder of its own for sources and built files.
class FolderTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }

    QString path(const QString &name) const { return QDir(m_dir.path()).filePath(name); }
    // Writes a file into the folder; returns its path.
    QString file(const QString &name, const QByteArray &content)
    {
        writeFile(path(name), content);
        return path(name);
    }

    QTemporaryDir m_dir;
};

} // namespace lumolex::testing
