// Bytes of a Blob field read after the rows: which reads ask for the current
// record alone, which wait for all of them, and what a refused filling leaves.

#include "tablefixture.h"

#include <gtest/gtest.h>

#include <map>

namespace lumolex::test {
namespace {

class DeferredBlobs : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_singleReads = 0;
        m_completions = 0;
        m_table = articleTable({{30, 1, QStringLiteral("в")}, {10, 1, QStringLiteral("а")}, {20, 1, QStringLiteral("б")}});
        m_body = m_table->fieldIndex(u"TRANSL");
        Table::DeferredBlobs deferred;
        deferred.field = m_body;
        deferred.keyField = m_table->fieldIndex(u"ID");
        deferred.readOne = [this](qint64 id) -> std::optional<QByteArray> {
            ++m_singleReads;
            return id == 20 ? std::nullopt : std::optional(QByteArray("one ") + QByteArray::number(id));
        };
        deferred.complete = [this] {
            ++m_completions;
            m_table->fillDeferred(*m_source);
        };
        ASSERT_TRUE(m_table->deferBlobs(std::move(deferred)));
    }

    // The bytes the table would take, keyed by the IDs given in table order.
    void giveBodies(const std::vector<qint64> &ids)
    {
        m_source = std::make_unique<Table>(QStringLiteral("bodies"),
                                           QVector<FieldDef>{{QStringLiteral("ID"), FieldType::Integer},
                                                             {QStringLiteral("TRANSL"), FieldType::Blob}});
        for (const qint64 id : ids)
            m_source->appendRow({id, QByteArray("all ") + QByteArray::number(id)});
    }

    std::unique_ptr<Table> m_table;
    std::unique_ptr<Table> m_source;
    int m_body = -1;
    int m_singleReads = 0;
    int m_completions = 0;
};

TEST_F(DeferredBlobs, TheCurrentRecordIsReadAloneAndOnce)
{
    giveBodies({30, 10, 20});
    m_table->first();   // "а", ID 10
    EXPECT_EQ(m_table->blob(m_body), QByteArray("one 10"));
    EXPECT_FALSE(m_table->isNull(m_body));
    EXPECT_EQ(m_table->value(m_body).toByteArray(), QByteArray("one 10"));
    EXPECT_EQ(m_singleReads, 1);
    m_table->next();    // "б", ID 20: null
    EXPECT_TRUE(m_table->isNull(m_body));
    EXPECT_FALSE(m_table->value(m_body).isValid());
    EXPECT_EQ(m_singleReads, 2);
    EXPECT_EQ(m_completions, 0);
    EXPECT_TRUE(m_table->hasDeferredBlobs());
}

TEST_F(DeferredBlobs, OtherReadsWaitForAllTheBytes)
{
    const struct {
        const char *name;
        std::function<QByteArray(Table &, int)> read;   // the bytes of ID 10 (view position 0, table row 1)
    } reads[] = {
        {"by view position", [](Table &t, int f) { return t.valueAt(0, f).toByteArray(); }},
        {"as a view of the stored bytes", [](Table &t, int f) { return t.blobAt(0, f, nullptr).toByteArray(); }},
        {"by table row", [](Table &t, int f) { return t.valueOfRow(1, f).toByteArray(); }},
    };
    for (const auto &r : reads) {
        SCOPED_TRACE(r.name);
        SetUp();
        giveBodies({30, 10, 20});
        EXPECT_EQ(r.read(*m_table, m_body), QByteArray("all 10"));
        EXPECT_EQ(m_completions, 1);
        EXPECT_FALSE(m_table->hasDeferredBlobs());
        m_table->first();
        EXPECT_EQ(m_table->blob(m_body), QByteArray("all 10"));   // from the table now
        EXPECT_EQ(m_singleReads, 0);
    }
}

TEST_F(DeferredBlobs, BytesOfOtherRowsAreRefusedAndTheFieldReadsNull)
{
    const struct {
        const char *name;
        std::vector<qint64> ids;
    } cases[] = {
        {"another order", {10, 20, 30}},
        {"a row missing", {30, 10}},
        {"a row too many", {30, 10, 20, 40}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        giveBodies(c.ids);
        EXPECT_FALSE(m_table->fillDeferred(*m_source));
        EXPECT_TRUE(m_table->hasDeferredBlobs());
        EXPECT_FALSE(m_table->valueAt(0, m_body).isValid());
        EXPECT_EQ(m_completions, 1);
        EXPECT_FALSE(m_table->hasDeferredBlobs());
        m_table->first();
        EXPECT_TRUE(m_table->isNull(m_body));   // not the bytes stored before the deferral
    }
}

TEST_F(DeferredBlobs, ClearingOrTakingRowsEndsTheDeferral)
{
    m_table->clear();
    EXPECT_FALSE(m_table->hasDeferredBlobs());
    SetUp();
    std::unique_ptr<Table> other = articleTable({{5, 1, QStringLiteral("д")}});
    m_table->takeRows(*other);
    EXPECT_FALSE(m_table->hasDeferredBlobs());
    EXPECT_EQ(m_table->blob(m_body), QByteArray("body"));
    EXPECT_EQ(m_singleReads + m_completions, 0);
}

} // namespace
} // namespace lumolex::test
