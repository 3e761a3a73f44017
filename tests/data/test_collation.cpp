// The key collation against the order as a reader states it: single
// characters pair by pair, then random texts of characters of every key
// width; prefixes of sort keys.
#include "data/collation.h"

#include <gtest/gtest.h>

#include <QRandomGenerator>
#include <QList>
#include <QString>
#include <QStringList>

#include <algorithm>

using lumolex::KeyCollation;

namespace {

const QString Alphabet = QStringLiteral("абвгдеёжзийклмнопрстуӱфхцчшщъыьэюя");
const QString Capitals = QStringLiteral("АБВГДЕЁЖЗИЙКЛМНОПРСТУӰФХЦЧШЩЪЫЬЭЮЯ");

int sign(int v) { return (v > 0) - (v < 0); }

// The order as a reader states it: letters by their place in the alphabet,
// above everything else; everything else by the code of its lower case.
qint64 referenceWeight(char32_t c)
{
    const qsizetype small = Alphabet.indexOf(QString::fromUcs4(&c, 1));
    const qsizetype capital = Capitals.indexOf(QString::fromUcs4(&c, 1));
    if (small >= 0 || capital >= 0)
        return 0x200000 + std::max(small, capital);
    return QChar::toLower(c);
}

int referenceCompare(const QString &a, const QString &b)
{
    const QList<uint> x = a.toUcs4();
    const QList<uint> y = b.toUcs4();
    for (qsizetype i = 0; i < std::min(x.size(), y.size()); ++i) {
        const qint64 wx = referenceWeight(x[i]);
        const qint64 wy = referenceWeight(y[i]);
        if (wx != wy)
            return wx < wy ? -1 : 1;
    }
    return sign(int(x.size() - y.size()));
}

} // namespace

// Covers the alphabet order (ё after е, ӱ after у), capitals equal to small
// letters, Kildin letters equal to their other case and nothing else, and
// every other character below the alphabet by the code of its lower case.
TEST(KeyCollation, EveryPairOfCharactersComparesAsTheOrderStates)
{
    const QString pool = Alphabet + Capitals + QStringLiteral(" -09aZé\x01~\x7F\u0080ѣӆӅ—\uFFFF")
        + QString::fromUcs4(U"\U0001F600\U00010400", 2);
    const QList<uint> chars = pool.toUcs4();
    for (const char32_t a : chars) {
        for (const char32_t b : chars) {
            const QString x = QString::fromUcs4(&a, 1);
            const QString y = QString::fromUcs4(&b, 1);
            ASSERT_EQ(sign(KeyCollation::compare(x, y)), referenceCompare(x, y)) << x.toStdString() << " / " << y.toStdString();
        }
    }
}

TEST(KeyCollation, ShorterSortsFirstAndPrefixesAreExact)
{
    EXPECT_LT(KeyCollation::compare(u"", u" "), 0);
    EXPECT_LT(KeyCollation::compare(u"ко", u"кот"), 0);
    EXPECT_LT(KeyCollation::compare(u"кот", u"кп"), 0);
    const std::string key = KeyCollation::sortKey(u"Котёл");
    EXPECT_TRUE(KeyCollation::keyHasPrefix(key, KeyCollation::sortKey(u"КОТ")));
    EXPECT_TRUE(KeyCollation::keyHasPrefix(key, KeyCollation::sortKey(u"")));
    EXPECT_FALSE(KeyCollation::keyHasPrefix(key, KeyCollation::sortKey(u"коте")));
    // a character of several key bytes is never mistaken for a prefix of another
    EXPECT_FALSE(KeyCollation::keyHasPrefix(KeyCollation::sortKey(u"ѣ"), KeyCollation::sortKey(u"Ѐ")));
}

TEST(KeyCollation, ByteKeysAgreeWithCharacterComparison)
{
    // characters from every width of the key encoding, letters in both cases
    const QString pool = QStringLiteral("\x01 ~\x7F\u0080éѣӆӰӱУуЁёеЕя—\uFFFF") + QString::fromUcs4(U"\U0001F600\U00010400", 2);
    const QList<uint> chars = pool.toUcs4();
    QRandomGenerator random(2024);
    for (int round = 0; round < 20000; ++round) {
        QString a, b;
        const int lengthA = random.bounded(5);
        const int lengthB = random.bounded(5);
        for (int i = 0; i < lengthA; ++i) {
            const char32_t c = chars[random.bounded(int(chars.size()))];
            a += QString::fromUcs4(&c, 1);
        }
        b = a.left(random.bounded(a.size() + 1));
        for (int i = 0; i < lengthB; ++i) {
            const char32_t c = chars[random.bounded(int(chars.size()))];
            b += QString::fromUcs4(&c, 1);
        }
        ASSERT_EQ(sign(KeyCollation::compare(a, b)), referenceCompare(a, b))
            << a.toStdString() << " / " << b.toStdString();
    }
}
