#pragma once

// The layout of the three data files: one SQLite table each, whose columns
// are the fields of the loaded table, in the same order. The build tool
// creates the files from these definitions and the loader checks them.

#include "data/files/datalimits.h"
#include "data/table/table.h"

#include <QString>
#include <QVector>

namespace lumolex {

// Names of the fields, shared by the files and the loaded tables.
namespace field {
inline constexpr char ID[] = "ID";
inline constexpr char DICT[] = "DICT";
inline constexpr char WORD[] = "WORD";
inline constexpr char TRANSL[] = "TRANSL";
inline constexpr char TRANSC[] = "TRANSC";
inline constexpr char GOTO[] = "GOTO";
inline constexpr char ARRID[] = "ARRID";
inline constexpr char PHRASE[] = "PHRASE";
} // namespace field

enum class DataFile { Articles = 0, WordForms = 1, Examples = 2 };
inline constexpr int kDataFileCount = 3;

struct ColumnLayout {
    QString name;
    QString sqlType;        // declared type in the file: INTEGER, TEXT or BLOB
    FieldType fieldType;
    int maxLength;          // characters, 0 = unbounded
    bool required;          // never null; text never empty
};

struct DataFileLayout {
    DataFile file;
    int number;             // 1, 2, 3: the number in the program's messages
    QString fileName;       // "lumolex.db" ...
    QString tableName;      // the SQLite table inside the file
    QVector<ColumnLayout> columns;
    QString createSql;      // statement that creates the table
};

const DataFileLayout &dataFileLayout(DataFile file);
const QVector<DataFileLayout> &allDataFileLayouts();    // in file order

// The field definitions of the loaded table of a file.
QVector<FieldDef> fieldDefs(DataFile file);

// The credits table in the article file: the person credited for each
// dictionary code (surname and initials), and a note on the source.
inline constexpr char kCreditsTable[] = "credits";
inline constexpr char kCreditsCreateSql[] =
    "CREATE TABLE credits (DICT INTEGER PRIMARY KEY, PERSON TEXT NOT NULL, SOURCE TEXT)";

} // namespace lumolex
