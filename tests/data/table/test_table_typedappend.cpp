// The typed bulk append path of Table must store exactly what appendRow
// stores, including the awkward values (invalid UTF-8, byte order marks,
// empty texts and blobs), and must refuse misuse without shifting rows.

#include "data/table/table.h"

#include <QByteArray>
#include <QString>

#include <gtest/gtest.h>

using namespace lumolex;

namespace {

QVector<FieldDef> mixedFields()
{
    return {{"ID", FieldType::Integer, 0},
            {"WORD", FieldType::Text, 0},
            {"BODY", FieldType::Blob, 0},
            {"NOTE", FieldType::Text, 0}};
}

// Every field of every row, as Table::valueAt reads them in table order.
QList<QVariantList> allRows(const Table &table)
{
    QList<QVariantList> rows;
    for (int p = 0; p < table.recordCount(); ++p) {
        QVariantList row;
        for (int f = 0; f < table.fields().size(); ++f)
            row << table.valueAt(p, f);
        rows << row;
    }
    return rows;
}

} // namespace

TEST(TypedAppend, StoresWhatAppendRowStores)
{
    const QList<QByteArray> texts = {
        "plain ascii",
        "\xd0\xb0\xd0\xb1\xd0\xb2 mixed",            // Cyrillic then ASCII
        "\xc0\xaf \xc1\xbf",                           // overlong forms of '/' and DEL, while narrow
        "\xef\xbb\xbf" "bom",                         // a leading byte order mark goes, as in fromUtf8
        "mid \xef\xbb\xbf" "bom",                     // one inside the text stays
        "bad \xff\xfe bytes \xe2\x82",                // invalid and truncated sequences
        "\xd0\xb0\xc0\xaf \xed\xa0\x80 \xe0\x80\xaf",    // overlong forms, a lone surrogate
        "\xd0\xb0 \xe2\x82\xac \xf0\x9f\x98\x80 \xd0",     // three and four bytes, a cut two-byte one
        "",                                           // empty, not null
    };
    Table byVariant("v", mixedFields());
    Table typed("t", mixedFields());
    typed.reserve(int(texts.size()));
    int id = 1;
    for (const QByteArray &utf8 : texts) {
        const QString text = QString::fromUtf8(utf8);
        byVariant.appendRow({id, text, QByteArray("", 0)});     // NOTE missing: null
        typed.appendInteger(0, id);
        EXPECT_EQ(typed.appendUtf8Text(1, utf8), text.size()) << utf8.toHex().constData();
        typed.appendBlob(2, QByteArrayView());                  // no data: an empty, non-null blob
        typed.endRow();
        ++id;
    }
    byVariant.appendRow({QVariant(), QVariant(), QByteArray("\0\1", 2), "note"});
    typed.appendNull(0);
    typed.appendUtf8Text(3, "note");
    typed.appendBlob(2, QByteArrayView("\0\1", 2));
    typed.endRow();

    ASSERT_EQ(typed.rowCount(), byVariant.rowCount());
    EXPECT_EQ(allRows(typed), allRows(byVariant));
    typed.setRecordNumber(9);
    EXPECT_FALSE(typed.isNull(1));                              // the empty text is a value
    EXPECT_TRUE(typed.isNull(3));
    typed.setRecordNumber(1);
    EXPECT_FALSE(typed.isNull(2));
    EXPECT_TRUE(typed.blob(2).isEmpty());
}

TEST(TypedAppend, LargeLoadsKeepEveryTextWhateverTheReservedCount)
{
    // The pool is sized from the first rows; later, longer texts and more
    // rows than reserved must still land intact.
    for (int reserved : {0, 500, 3000}) {
        Table table("t", {{"ID", FieldType::Integer, 0}, {"WORD", FieldType::Text, 0}});
        table.reserve(reserved);
        auto textOf = [](int row) {
            return row < 1500 ? QString::number(row) : QString(row % 97 + 1, QChar(0x0436)) + QString::number(row);
        };
        for (int row = 0; row < 3000; ++row) {
            table.appendInteger(0, row);
            table.appendUtf8Text(1, textOf(row).toUtf8());
            table.endRow();
        }
        ASSERT_EQ(table.recordCount(), 3000);
        for (int row : {0, 1023, 1024, 1499, 1500, 2999})
            EXPECT_EQ(table.valueAt(row, 1).toString(), textOf(row)) << "reserved " << reserved << " row " << row;
        ASSERT_TRUE(table.addIndex("words", "WORD"));
        ASSERT_TRUE(table.setActiveIndex("words"));
        EXPECT_TRUE(table.findKey({textOf(2222)}));
        EXPECT_EQ(table.value(0).toInt(), 2222);
    }
}

TEST(TypedAppend, RefusesMisuseWithoutShiftingRows)
{
    Table table("t", mixedFields());
    table.appendInteger(0, 1);
    table.appendInteger(0, 2);                                  // given twice: the first stays
    EXPECT_EQ(table.appendUtf8Text(0, "x"), -1);                // not a text field
    table.appendInteger(1, 7);                                  // not an integer field
    table.appendBlob(1, "x");                                   // not a blob field
    table.appendNull(9);                                        // no such field
    EXPECT_EQ(table.appendUtf8Text(-1, "x"), -1);
    table.appendUtf8Text(1, "one");
    table.endRow();

    // A row begun and dropped leaves no trace in any column.
    table.appendInteger(0, 99);
    table.appendUtf8Text(1, "dropped");
    table.appendBlob(2, "dropped");
    table.cancelRow();
    table.appendInteger(0, 3);
    table.appendUtf8Text(3, "three");
    table.endRow();
    table.cancelRow();                                          // nothing begun: no effect

    ASSERT_EQ(table.rowCount(), 2);
    const QList<QVariantList> rows = allRows(table);
    EXPECT_EQ(rows.at(0), (QVariantList{1, "one", QVariant(), QVariant()}));
    EXPECT_EQ(rows.at(1), (QVariantList{3, QVariant(), QVariant(), "three"}));
}

TEST(TypedAppend, TextsKeepEveryCharacterAsTheColumnWidens)
{
    // A text column keeps its texts one byte per character while they use
    // at most 128 characters beyond ASCII, all below U+0800, and widens at
    // the first text that does not fit. Rows stored before, during and
    // after that switch, and a dropped row that caused it, must read back
    // exactly, through both ways of appending.
    struct Case {
        const char *name;
        QStringList texts;          // appended in order; "!" marks a row then dropped
    };
    const QString latin = QString::fromUtf8("caf\xc3\xa9 \xc2\x80\xc3\xbf");   // é, U+0080, ÿ
    const QString kildin = QString::fromUtf8("\xd0\xba\xd3\xaf\xd0\xbd\xd0\xbd\xd2\x8d\xd1\x82\xd1\x8d");
    QString manyLetters;            // 129 characters: one more than the codes
    for (char16_t c = 0x0400; c <= 0x0480; ++c)
        manyLetters += QChar(c);
    const QString allCodes = manyLetters.left(128);
    const QString euro = QString::fromUtf8("\xe2\x82\xac 5");        // beyond two-byte UTF-8
    const QList<Case> cases = {
        {"one byte throughout", {"|5|9|", latin, "", kildin, "12"}},
        {"widened by a character beyond U+0800", {"|5|9|", latin, euro, "12", latin}},
        {"widened by a 129th character", {kildin, latin, manyLetters, "7", latin}},
        {"128 characters: every code", {allCodes, "7", allCodes, latin}},
        {"129 characters in the first row", {manyLetters, "7", latin}},
        {"widened by a dropped row", {"|5|", "!" + euro, latin, "7"}},
        {"wide from the first row", {euro, latin, "3"}},
    };
    for (const Case &c : cases) {
        Table typed("t", {{"WORD", FieldType::Text, 0}});
        Table byVariant("v", {{"WORD", FieldType::Text, 0}});
        QStringList kept;
        for (const QString &entry : c.texts) {
            const bool dropped = entry.startsWith(u'!');
            const QString text = dropped ? entry.mid(1) : entry;
            typed.appendUtf8Text(0, text.toUtf8());
            if (dropped) {
                typed.cancelRow();
                continue;
            }
            typed.endRow();
            byVariant.appendRow({text});
            kept << text;
        }
        ASSERT_EQ(typed.rowCount(), kept.size()) << c.name;
        for (int row = 0; row < kept.size(); ++row) {
            EXPECT_EQ(typed.valueAt(row, 0).toString(), kept.at(row)) << c.name << " row " << row;
            EXPECT_EQ(byVariant.valueAt(row, 0).toString(), kept.at(row)) << c.name << " row " << row;
        }
        ASSERT_TRUE(typed.addIndex("words", "WORD"));
        ASSERT_TRUE(typed.setActiveIndex("words"));
        EXPECT_TRUE(typed.findKey({latin})) << c.name;
    }
}
