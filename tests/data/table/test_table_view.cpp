// The view: filter text and switching, index switching, key ranges, record
// numbers, position marks across view changes, and suspended notifications.
#include "tablefixture.h"

#include "data/table/collation.h"

#include <gtest/gtest.h>

using namespace lumolex;
using namespace lumolex::test;

namespace {

std::vector<Article> dictionaries()
{
    return {{1, 1, "аа"}, {2, 2, "бб"}, {3, 0, "вв"}, {4, 1, "гг"}, {5, 4, "дд"}, {6, 3, "ее"}, {7, 9, "жж"}, {8, 1, "зз"}};
}

std::unique_ptr<Table> wordForms(const QStringList &keys)
{
    auto table = std::make_unique<Table>("forms", QVector<FieldDef>{{"TRANSC", FieldType::Text, 50}, {"ARRID", FieldType::Text, 0}});
    for (const QString &key : keys)
        table->appendRow({key, "1|2"});
    table->addIndex("cds2i1", "TRANSC");
    table->setActiveIndex("cds2i1");
    return table;
}

} // namespace

// A text is not applied until the filter is switched on. Spacing, case and
// nesting are free and an empty text admits every row; a malformed text is
// refused, and the filter and the view stay, without a notification.
TEST(TableFilter, TextsAcceptedAndRefused)
{
    auto table = articleTable(dictionaries());
    EXPECT_TRUE(table->setFilterText("(DICT=0) OR (DICT=1) OR (DICT=4)"));
    EXPECT_EQ(table->recordCount(), 8);
    table->setFiltered(true);
    EXPECT_EQ(viewIds(*table), (QList<int>{1, 3, 4, 5, 8}));
    NotificationCounter counter(*table);
    const struct {
        QString text;
        QList<int> ids = {};   // empty: refused
    } cases[] = {
        {"  dict = 9 or ((DICT=3))", {6, 7}}, {"(DICT=0) OR (DICT=2)", {2, 3}},
        {"(DICT=0"}, {"DICT=0)"}, {"(DICT=x)"}, {"(DICT=0) AND (DICT=1)"}, {"(DICT=0) OR"}, {"(WORD=1)"}, {"(NOPE=1)"},
        {"DICT=99999999999999999999"}, {"DICT"}, {"=1"}, {"(DICT=1) ORDER"},
        {QString(200, u'(') + "DICT=1" + QString(200, u')')},
        {QString(), {1, 2, 3, 4, 5, 6, 7, 8}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text.left(40).toStdString());
        const QString before = table->filterText();
        const QList<int> view = viewIds(*table);
        counter.reset();
        EXPECT_EQ(table->setFilterText(c.text), !c.ids.isEmpty());
        if (c.ids.isEmpty()) {
            EXPECT_EQ(table->filterText(), before);
            EXPECT_EQ(viewIds(*table), view);
            EXPECT_EQ(counter.records, 0);
        } else {
            EXPECT_EQ(viewIds(*table), c.ids);
        }
    }
}

TEST(TableFilter, SwitchingKeepsTheCurrentRecordWhenVisible)
{
    auto table = articleTable(dictionaries());
    table->setFilterText("(DICT=0) OR (DICT=1)");
    NotificationCounter counter(*table);
    ASSERT_TRUE(table->findKey({"гг"}));
    counter.reset();
    table->setFiltered(true);
    EXPECT_EQ(currentId(*table), 4);
    EXPECT_EQ(table->recordNumber(), 3);
    EXPECT_FALSE(table->atBeginning());
    EXPECT_EQ(counter.records, 1);
    EXPECT_EQ(counter.rebuilds, 1);
    table->setFiltered(true);                         // no change: nothing happens
    table->setFilterText("(DICT=0) OR (DICT=1)");
    EXPECT_EQ(counter.records, 1);
    // the current record hidden: the view starts at its top
    table->setFilterText("(DICT=9)");
    EXPECT_EQ(currentId(*table), 7);
    EXPECT_TRUE(table->atBeginning());
    EXPECT_EQ(counter.records, 2);
    // a filter that admits nothing
    table->setFilterText("(DICT=5)");
    EXPECT_TRUE(EmptyTable(*table));
    EXPECT_EQ(table->recordNumber(), 0);
    table->setFiltered(false);
    EXPECT_EQ(table->recordNumber(), 1);
    EXPECT_EQ(counter.records, 4);
}

TEST(TableIndexSwitch, KeepsTheRecordAndRefusesUnknownNames)
{
    auto table = articleTable({{3, 1, "я"}, {1, 1, "б"}, {2, 1, "а"}});
    NotificationCounter counter(*table);
    ASSERT_TRUE(table->findKey({"я"}));
    counter.reset();
    EXPECT_TRUE(table->setActiveIndex("CDS1I2"));  // names are case-insensitive
    EXPECT_EQ(table->activeIndex(), "cds1i2");
    EXPECT_EQ(currentId(*table), 3);
    EXPECT_EQ(table->recordNumber(), 3);
    EXPECT_EQ(counter.records, 1);
    EXPECT_TRUE(table->setActiveIndex("cds1i2"));  // already active: no rebuild
    EXPECT_FALSE(table->setActiveIndex("nope"));
    EXPECT_EQ(table->activeIndex(), "cds1i2");
    EXPECT_EQ(counter.records, 1);
    EXPECT_FALSE(table->addIndex("bad", "TRANSC;NOPE"));
    EXPECT_FALSE(table->addIndex("blob", "TRANSL"));
    EXPECT_FALSE(table->hasIndex("bad"));
    EXPECT_EQ(table->fieldIndex(u"nope"), -1);
    EXPECT_FALSE(table->value(u"nope").isValid());
    EXPECT_FALSE(table->valueAt(-1, 0).isValid());
    EXPECT_FALSE(table->valueAt(3, 0).isValid());
}

TEST(TableIndexSwitch, RowsAppendedLaterTakeTheirPlace)
{
    auto table = articleTable({{1, 1, "в"}});
    table->appendRow({2, 1, "а", QVariant(), "а", QVariant()});
    EXPECT_EQ(viewIds(*table), (QList<int>{2, 1}));
    table->setActiveIndex("cds1i2");
    EXPECT_EQ(viewIds(*table), (QList<int>{1, 2}));
}

TEST(TableRange, PrefixRangeIsExactAndCaseInsensitive)
{
    auto forms = wordForms({"кот", "ко", "котёл", "кп", "кото", "ж", "котяяяяяяяя"});
    forms->setPrefixRange("КОТ");
    EXPECT_EQ(viewKeys(*forms), (QStringList{"кот", "котёл", "кото", "котяяяяяяяя"}));
    EXPECT_TRUE(forms->hasRange());
    forms->setPrefixRange("котя");
    EXPECT_EQ(viewKeys(*forms), QStringList{"котяяяяяяяя"});
    forms->setPrefixRange("котб");
    EXPECT_TRUE(EmptyTable(*forms));
    forms->setPrefixRange(QString());
    EXPECT_EQ(forms->recordCount(), 7);
    forms->cancelRange();
    EXPECT_FALSE(forms->hasRange());
    EXPECT_EQ(forms->recordCount(), 7);
}

TEST(TableRange, LowToHighIsInclusive)
{
    auto forms = wordForms({"а", "б", "бв", "в", "г"});
    NotificationCounter counter(*forms);
    forms->setRange("б", "В");
    EXPECT_EQ(viewKeys(*forms), (QStringList{"б", "бв", "в"}));
    EXPECT_EQ(counter.rebuilds, 1);
    forms->first();
    forms->next();
    forms->next();
    forms->next();
    EXPECT_TRUE(forms->atEnd());
    EXPECT_EQ(forms->value(u"TRANSC").toString(), "в");
    forms->setRange("в", "б");                     // low above high
    EXPECT_TRUE(EmptyTable(*forms));
    forms->setRange("б", "в");
    forms->setActiveIndex(QString());              // a range belongs to its index
    EXPECT_FALSE(forms->hasRange());
    EXPECT_EQ(forms->recordCount(), 5);
    forms->setPrefixRange("б");                    // no index, no keys: nothing
    EXPECT_TRUE(EmptyTable(*forms));
    forms->cancelRange();
    EXPECT_EQ(forms->recordCount(), 5);
}

TEST(TableRecordNumber, SetsWithinTheViewOnly)
{
    Table examples("examples", {{"ID", FieldType::Integer, 0}, {"PHRASE", FieldType::Blob, 0}});
    for (int id = 10; id < 15; ++id)
        examples.appendRow({id, QByteArray::number(id)});
    NotificationCounter counter(examples);
    ASSERT_TRUE(examples.setRecordNumber(5));
    EXPECT_EQ(examples.value(u"ID").toInt(), 14);
    EXPECT_EQ(examples.blob(u"PHRASE"), QByteArray("14"));
    EXPECT_FALSE(examples.atEnd());
    for (int bad : {0, -1, 6, 1 << 30}) {
        EXPECT_FALSE(examples.setRecordNumber(bad));
        EXPECT_EQ(examples.recordNumber(), 5);
    }
    EXPECT_EQ(counter.records, 1);
}

TEST(TableMarks, SurviveIndexChangesButNotHiding)
{
    auto table = articleTable(dictionaries());
    NotificationCounter counter(*table);
    ASSERT_TRUE(table->findKey({"дд"}));
    const TableMark mark = table->mark();
    table->setActiveIndex("cds1i2");
    table->last();
    counter.reset();
    ASSERT_TRUE(table->gotoMark(mark));
    EXPECT_EQ(currentId(*table), 5);
    EXPECT_EQ(counter.records, 1);

    // hidden by the filter: false, no move, no notification
    table->setFilterText("(DICT=0) OR (DICT=1)");
    table->setFiltered(true);
    table->last();
    counter.reset();
    EXPECT_FALSE(table->gotoMark(mark));
    EXPECT_EQ(currentId(*table), 8);
    EXPECT_EQ(counter.records, 0);
    // visible again
    table->setFilterText("(DICT=4)");
    EXPECT_TRUE(table->gotoMark(mark));
    EXPECT_EQ(currentId(*table), 5);

    EXPECT_FALSE(table->gotoMark(TableMark{}));
    EXPECT_FALSE(table->gotoMark(TableMark{1000, mark.generation}));
    table->clear();                                   // a mark of the old rows never matches new ones
    for (const Article &a : dictionaries())
        table->appendRow({a.id, a.dict, a.word, QVariant(), RetTransc(a.word), QVariant()});
    table->setFiltered(false);
    EXPECT_FALSE(table->gotoMark(mark));
}

// Moves and view rebuilds while suspended (the program locates by ID that
// way: filter off, ID index, search, key index and filter back) are
// announced once, by the outermost resume.
TEST(TableNotifications, NestedSuspensionsFireOnceOnTheOutermostResume)
{
    auto table = articleTable(dictionaries());
    NotificationCounter counter(*table);
    table->suspendNotifications();
    table->suspendNotifications();
    EXPECT_TRUE(table->notificationsSuspended());
    table->first();
    table->next();
    table->setActiveIndex("cds1i2");
    ASSERT_TRUE(table->findKey({5}));
    table->setActiveIndex("cds1i1");
    table->setFilterText("(DICT=1) OR (DICT=4)");
    table->setFiltered(true);
    table->resumeNotifications();
    EXPECT_EQ(counter.records, 0);
    EXPECT_TRUE(table->notificationsSuspended());
    table->resumeNotifications();
    EXPECT_FALSE(table->notificationsSuspended());
    EXPECT_EQ(counter.records, 1);
    EXPECT_EQ(counter.rebuilds, 1);
    EXPECT_EQ(currentId(*table), 5);

    // resuming always reports the current record, even after no move at all
    counter.reset();
    table->suspendNotifications();
    table->resumeNotifications();
    EXPECT_EQ(counter.records, 1);
    EXPECT_EQ(counter.rebuilds, 0);
    // an unmatched resume is ignored
    table->resumeNotifications();
    EXPECT_EQ(counter.records, 1);
    EXPECT_FALSE(table->notificationsSuspended());
}

TEST(TableValues, TypesAndNulls)
{
    auto table = articleTable({{7, 2, "Ӯкс"}});
    EXPECT_EQ(table->value(u"ID").typeId(), QMetaType::LongLong);
    EXPECT_EQ(table->value(u"id").toInt(), 7);                      // field names are case-insensitive
    EXPECT_EQ(table->value(u"TRANSC").toString(), "укс");
    EXPECT_FALSE(table->value(u"GOTO").isValid());
    EXPECT_TRUE(table->isNull(table->fieldIndex(u"GOTO")));
    EXPECT_EQ(table->blob(u"TRANSL"), QByteArray("body"));
    table->appendRow({"eight", 1, QString(), QVariant(), QString(), QVariant()});
    table->setActiveIndex("cds1i2");
    table->first();                                                  // null IDs sort first
    EXPECT_TRUE(table->isNull(0));
    EXPECT_FALSE(table->isNull(table->fieldIndex(u"WORD")));       // an empty text is not null
    EXPECT_EQ(table->value(u"WORD").toString(), QString());
}

// The reads by view position go through the filtered view to its row, and
// give nothing for a position outside the view, an unknown field or a null
// value: the same answer from each of them.
TEST(TableReadsByPosition, GiveTheViewsRowOrNothing)
{
    auto table = articleTable({{2, 2, "а"}, {1, 1, "б"}, {3, 1, "в"}});
    table->appendRow({4, 1, "г", QVariant(), RetTransc(QStringLiteral("г")), "б"});   // no body, a cross-reference
    ASSERT_TRUE(table->setFilterText("(DICT=1)"));
    table->setFiltered(true);                                          // the view: б, в, г
    enum { Id = 0, Word = 2, Body = 3, Key = 4, CrossRef = 5 };
    const struct { int position; int field; QVariant value; } reads[] = {
        {0, Id, 1}, {2, Id, 4}, {1, Word, "в"}, {2, Key, RetTransc(QStringLiteral("г"))}, {0, Key, RetTransc(QStringLiteral("б"))},
        {2, CrossRef, "б"}, {1, Body, QByteArray("body")},
        // Null values.
        {0, CrossRef, {}}, {2, Body, {}},
        // Outside the view (3 lies in the unfiltered table only), unknown fields.
        {-1, Word, {}}, {3, Word, {}}, {0, -1, {}}, {0, 6, {}},
    };
    for (const auto &r : reads) {
        SCOPED_TRACE(testing::Message() << "position " << r.position << ", field " << r.field);
        const QVariant value = table->valueAt(r.position, r.field);
        EXPECT_EQ(value.isValid(), r.value.isValid());
        EXPECT_EQ(value.toString(), r.value.toString());
        QString buffer;
        if ((r.field != Id && r.field != Body) || !r.value.isValid()) {
            EXPECT_EQ(table->textAt(r.position, r.field, buffer).toString(), r.value.toString());
        }
        if (r.field == Body || !r.value.isValid()) {
            bool isNull = false;
            EXPECT_EQ(table->blobAt(r.position, r.field, &isNull).toByteArray(), r.value.toByteArray());
            EXPECT_EQ(isNull, !r.value.isValid());
        }
        // Integers only from an Integer field; the fallback for anything else.
        EXPECT_EQ(table->integerAt(r.position, r.field, -7),
                  r.field == Id && r.value.isValid() ? r.value.toLongLong() : -7);
        // Only the indexed TRANSC has collation keys.
        const std::string key = r.field == Key && r.value.isValid() ? KeyCollation::sortKey(r.value.toString()) : "";
        EXPECT_EQ(std::string(table->sortKeyAt(r.position, r.field)), key);
    }
}

// A table read elsewhere hands its rows, keys and indexes over whole: the
// receiving table keeps its own filter and notification state, the record
// current in the reading stays current where the filter shows it, and the
// giving table is left empty. Tables of other fields are refused.
TEST(TableTakeRows, TakesRowsAndIndexesAndKeepsItsOwnView)
{
    const struct {
        const char *name;
        QString filter;              // the receiver's, switched on when not empty
        const char *currentInReading;
        int current;                 // afterwards
        QList<int> view;
    } cases[] = {
        {"no filter, the reading's record kept", QString(), "гг", 4, {1, 2, 3, 4, 5, 6, 7, 8}},
        {"filtered, the reading's record shown", "(DICT=0) OR (DICT=1)", "гг", 4, {1, 3, 4, 8}},
        {"filtered, the reading's record hidden", "(DICT=9)", "гг", 7, {7}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        auto receiver = articleTable({{99, 1, "яя"}});
        if (!c.filter.isEmpty()) {
            receiver->setFilterText(c.filter);
            receiver->setFiltered(true);
        }
        auto reading = articleTable(dictionaries());
        ASSERT_TRUE(reading->findKey({c.currentInReading}));
        const TableMark oldMark = receiver->mark();
        NotificationCounter counter(*receiver);
        receiver->suspendNotifications();

        ASSERT_TRUE(receiver->takeRows(*reading));
        EXPECT_EQ(counter.records, 0);
        receiver->resumeNotifications();
        EXPECT_EQ(counter.rebuilds, 1);
        EXPECT_EQ(counter.records, 1);

        EXPECT_EQ(receiver->rowCount(), 8);
        EXPECT_EQ(receiver->activeIndex(), QStringLiteral("cds1i1"));
        EXPECT_EQ(viewIds(*receiver), c.view);
        EXPECT_EQ(currentId(*receiver), c.current);
        EXPECT_FALSE(receiver->gotoMark(oldMark));
        // The indexes came with the rows and search them.
        EXPECT_EQ(receiver->rowsOfKey(QStringLiteral("cds1i2"), {5}).size(), 1);

        EXPECT_EQ(reading->rowCount(), 0);
        EXPECT_TRUE(EmptyTable(*reading));
        EXPECT_FALSE(reading->hasIndex(QStringLiteral("cds1i1")));
    }

    auto receiver = articleTable(dictionaries());
    Table other(QStringLiteral("forms"), QVector<FieldDef>{{"TRANSC", FieldType::Text, 50}, {"ARRID", FieldType::Text, 0}});
    other.appendRow({"к", "1"});
    EXPECT_FALSE(receiver->takeRows(other));
    EXPECT_EQ(viewIds(*receiver), (QList<int>{1, 2, 3, 4, 5, 6, 7, 8}));
    EXPECT_EQ(other.rowCount(), 1);
}
