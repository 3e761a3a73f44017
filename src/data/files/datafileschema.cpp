#include "data/files/datafileschema.h"

namespace lumolex {

namespace {

QVector<DataFileLayout> makeLayouts()
{
    const QString integer = QStringLiteral("INTEGER");
    const QString text = QStringLiteral("TEXT");
    const QString blob = QStringLiteral("BLOB");

    DataFileLayout articles{
        DataFile::Articles, 1, QStringLiteral("lumolex.db"), QStringLiteral("articles"),
        {
            {field::ID, integer, FieldType::Integer, 0, true},
            {field::DICT, integer, FieldType::Integer, 0, true},
            {field::WORD, text, FieldType::Text, kMaxWordLength, true},
            {field::TRANSL, blob, FieldType::Blob, 0, false},
            {field::TRANSC, text, FieldType::Text, kMaxWordLength, true},
            {field::GOTO, text, FieldType::Text, kMaxWordLength, false},
        },
        // The checks keep the article invariant in the file itself.
        QStringLiteral("CREATE TABLE articles ("
                       "ID INTEGER PRIMARY KEY, "
                       "DICT INTEGER NOT NULL, "
                       "WORD TEXT NOT NULL CHECK (length(WORD) BETWEEN 1 AND 50), "
                       "TRANSL BLOB, "
                       "TRANSC TEXT NOT NULL CHECK (length(TRANSC) BETWEEN 1 AND 50), "
                       "GOTO TEXT CHECK (GOTO IS NULL OR length(GOTO) BETWEEN 1 AND 50))"),
    };
    DataFileLayout wordForms{
        DataFile::WordForms, 2, QStringLiteral("lumoword.db"), QStringLiteral("wordforms"),
        {
            {field::TRANSC, text, FieldType::Text, 0, true},
            {field::ARRID, text, FieldType::Text, 0, false},
        },
        QStringLiteral("CREATE TABLE wordforms (TRANSC TEXT NOT NULL, ARRID TEXT NOT NULL)"),
    };
    DataFileLayout examples{
        DataFile::Examples, 3, QStringLiteral("lumophra.db"), QStringLiteral("examples"),
        {
            {field::ID, integer, FieldType::Integer, 0, true},
            {field::PHRASE, blob, FieldType::Blob, 0, false},
        },
        QStringLiteral("CREATE TABLE examples (ID INTEGER PRIMARY KEY, PHRASE BLOB)"),
    };
    return {articles, wordForms, examples};
}

} // namespace

const QVector<DataFileLayout> &allDataFileLayouts()
{
    static const QVector<DataFileLayout> layouts = makeLayouts();
    return layouts;
}

const DataFileLayout &dataFileLayout(DataFile file)
{
    return allDataFileLayouts().at(int(file));
}

QVector<FieldDef> fieldDefs(DataFile file)
{
    QVector<FieldDef> defs;
    for (const ColumnLayout &column : dataFileLayout(file).columns)
        defs.append(FieldDef{column.name, column.fieldType, column.maxLength});
    return defs;
}

} // namespace lumolex
