// The write guard of the article table refuses a record without a headword
// or without a transcription key, the headword checked first, whether it is
// given the two values or a whole record.
#include "data/table/writeguard.h"
#include "tablefixture.h"

#include <gtest/gtest.h>

using namespace lumolex;

TEST(WriteGuard, RefusesNullAndEmptyValuesWordFirst)
{
    const QVariant word = "кот";
    const struct {
        QVariant word;
        QVariant transc;
        std::optional<QString> refusal;
    } cases[] = {
        {QVariant(), QVariant(), EmptyWordMessage}, {QVariant(), word, EmptyWordMessage},
        {QString(), word, EmptyWordMessage},       {"", word, EmptyWordMessage},
        {word, QVariant(), EmptyTranscMessage},     {word, "", EmptyTranscMessage},
        {word, word, std::nullopt},
    };
    const QVector<FieldDef> fields = test::articleFields();
    for (const auto &c : cases) {
        SCOPED_TRACE(c.word.toString().toStdString() + " / " + c.transc.toString().toStdString());
        EXPECT_EQ(articleStoreRefusal(c.word, c.transc), c.refusal);
        EXPECT_EQ(articleStoreRefusal(fields, {1, 1, c.word, QByteArray(), c.transc, QVariant()}), c.refusal);
    }
    // a record too short to hold the fields is refused, not read past its end
    EXPECT_EQ(articleStoreRefusal(fields, QVariantList{1, 1}), EmptyWordMessage);
}
