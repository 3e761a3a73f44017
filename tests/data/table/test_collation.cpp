// The key collation against the order as a reader states it: single
// characters pair by pair, then random texts of characters of every key
// width; prefixes of sort keys.
#include "data/table/collation.h"

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

// The pool holds the alphabet in both cases, Kildin letters and other
// characters of every width of the key encoding, on both sides of the end
// of the Latin and Cyrillic blocks (whose keys come from a table). Every pair of single
// characters covers the alphabet order (ё after е, ӱ after у), capitals
// equal to small letters, Kildin letters equal to their other case and
// nothing else, every other character below the alphabet by the code of its
// lower case; random texts sharing beginnings cover the shorter-first rule.
TEST(KeyCollation, AgreesWithTheOrderAsStated)
{
    const QList<uint> chars = (Alphabet + Capitals + QStringLiteral(" -09aZé\x01~\x7F\u0080ѣӆӅ\u052F\u0530—\uFFFF")
                               + QString::fromUcs4(U"\U0001F600\U00010400", 2)).toUcs4();
    auto text = [](char32_t c) { return QString::fromUcs4(&c, 1); };
    for (const char32_t a : chars) {
        for (const char32_t b : chars)
            ASSERT_EQ(sign(KeyCollation::compare(text(a), text(b))), referenceCompare(text(a), text(b)))
                << text(a).toStdString() << " / " << text(b).toStdString();
    }
    QRandomGenerator random(2024);
    auto randomText = [&](QString start) {
        for (int n = random.bounded(5); n > 0; --n)
            start += text(chars[random.bounded(int(chars.size()))]);
        return start;
    };
    for (int round = 0; round < 20000; ++round) {
        const QString a = randomText(QString());
        const QString b = randomText(a.left(random.bounded(a.size() + 1)));
        ASSERT_EQ(sign(KeyCollation::compare(a, b)), referenceCompare(a, b)) << a.toStdString() << " / " << b.toStdString();
    }
}

TEST(KeyCollation, PrefixesOfSortKeysAreExact)
{
    const std::string key = KeyCollation::sortKey(u"Котёл");
    EXPECT_TRUE(KeyCollation::keyHasPrefix(key, KeyCollation::sortKey(u"КОТ")));
    EXPECT_TRUE(KeyCollation::keyHasPrefix(key, KeyCollation::sortKey(u"")));
    EXPECT_FALSE(KeyCollation::keyHasPrefix(key, KeyCollation::sortKey(u"коте")));
    // a character of several key bytes is never mistaken for a prefix of another
    EXPECT_FALSE(KeyCollation::keyHasPrefix(KeyCollation::sortKey(u"ѣ"), KeyCollation::sortKey(u"Ѐ")));
}
