// The write guard of the article table refuses a record without a headword
// or without a transcription key, the headword checked first.
#include "data/writeguard.h"
#include "tablefixture.h"

#include <gtest/gtest.h>

using namespace lumolex;

TEST(WriteGuard, RefusesNullAndEmptyValuesWordFirst)
{
    const QString word = QStringLiteral("кот");
    EXPECT_EQ(articleStoreRefusal(QVariant(), QVariant()), EmptyWordMessage);
    EXPECT_EQ(articleStoreRefusal(QVariant(), QVariant(word)), EmptyWordMessage);
    EXPECT_EQ(articleStoreRefusal(QVariant(QString()), QVariant(word)), EmptyWordMessage);
    EXPECT_EQ(articleStoreRefusal(QVariant(QStringLiteral("")), QVariant(word)), EmptyWordMessage);
    EXPECT_EQ(articleStoreRefusal(QVariant(word), QVariant()), EmptyTranscMessage);
    EXPECT_EQ(articleStoreRefusal(QVariant(word), QVariant(QStringLiteral(""))), EmptyTranscMessage);
    EXPECT_EQ(articleStoreRefusal(QVariant(word), QVariant(word)), std::nullopt);
}

TEST(WriteGuard, TextsOfTheReport)
{
    EXPECT_EQ(EmptyWordMessage, QStringLiteral("Пустое значение слова!"));
    EXPECT_EQ(EmptyTranscMessage, QStringLiteral("Пустое значение транскрипции!"));
    EXPECT_EQ(ArticleStoreCaption, QStringLiteral("Сохранение словарной статьи"));
}

TEST(WriteGuard, ChecksAWholeRecordByFieldName)
{
    const QVector<FieldDef> fields = test::articleFields();
    const QVariantList good = {1, 1, QStringLiteral("Кот"), QByteArray(), QStringLiteral("кот"), QVariant()};
    EXPECT_EQ(articleStoreRefusal(fields, good), std::nullopt);
    QVariantList noKey = good;
    noKey[4] = QVariant();
    EXPECT_EQ(articleStoreRefusal(fields, noKey), EmptyTranscMessage);
    QVariantList noWord = noKey;
    noWord[2] = QVariant();
    EXPECT_EQ(articleStoreRefusal(fields, noWord), EmptyWordMessage);
    // a record too short to hold the fields is refused, not read past its end
    EXPECT_EQ(articleStoreRefusal(fields, QVariantList{1, 1}), EmptyWordMessage);
}
