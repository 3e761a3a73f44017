#include "examplesplitter.h"

#include "wordformindex.h"

#include <QStringList>

namespace lumolex::mkdata {

namespace {

// Each clear sign of a language weighs this much more than a word that is
// merely known in one vocabulary and not the other.
constexpr int kLetterWeight = 3;
// A split needs at least this score to be trusted.
constexpr int kMinimumScore = 2;
// Words longer than this are also compared by their first letters.
constexpr int kStemLength = 5;

} // namespace

bool hasSaamiLetter(QStringView text)
{
    static const QString letters = QStringLiteral("ӓһӣҋјӆӎӊӈӧҏӯӱҍӭӒҺӢҊЈӅӍӉӇӦҎӮӰҌӬ\u0304\u0308");
    for (QChar c : text) {
        if (letters.contains(c))
            return true;
    }
    return false;
}

QString ExampleSplitter::normalised(QStringView token)
{
    return token.toString().toLower();
}

QString ExampleSplitter::stemOf(const QString &word)
{
    return word.size() > kStemLength ? word.left(kStemLength) : QString();
}

void ExampleSplitter::addSaamiText(QStringView text)
{
    for (const QString &word : splitWords(text)) {
        const QString key = normalised(word);
        m_saami.insert(key);
        m_saamiStems.insert(stemOf(key));
    }
}

void ExampleSplitter::addRussianText(QStringView text)
{
    for (const QString &word : splitWords(text)) {
        const QString key = normalised(word);
        m_russian.insert(key);
        m_russianStems.insert(stemOf(key));
    }
}

int ExampleSplitter::languageOf(QStringView token) const
{
    if (hasSaamiLetter(token))
        return kLetterWeight;
    const QStringList words = splitWords(token);
    if (words.isEmpty())
        return 0;
    int score = 0;
    for (const QString &word : words) {
        const QString key = normalised(word);
        // Russian words hardly ever have э after their first letter;
        // Kildin Saami words often do.
        if (key.indexOf(u'э', 1) > 0) {
            ++score;
            continue;
        }
        bool saami = m_saami.contains(key);
        bool russian = m_russian.contains(key);
        if (saami == russian) {
            // Unknown as a whole (or known to both): an inflected form may
            // still share the beginning of the words of one language only.
            const QString stem = stemOf(key);
            saami = !stem.isEmpty() && m_saamiStems.contains(stem);
            russian = !stem.isEmpty() && m_russianStems.contains(stem);
        }
        if (saami && !russian)
            ++score;
        else if (russian && !saami)
            --score;
    }
    return qBound(-1, score, 1);
}

ExamplePair ExampleSplitter::split(const QString &text, bool saamiFirst) const
{
    const QStringList tokens = text.split(u' ', Qt::SkipEmptyParts);
    if (tokens.size() < 2)
        return ExamplePair{text, QString()};

    QVector<int> saaminess;
    saaminess.reserve(tokens.size());
    for (const QString &token : tokens)
        saaminess.append(languageOf(token));
    const int firstSign = saamiFirst ? 1 : -1;

    // Cutting before token `cut` is scored by the evidence that the tokens
    // before it are in the first language and the tokens after it in the
    // second; both sides need some evidence of their own.
    int bestScore = kMinimumScore - 1;
    QVector<int> bestCuts;
    for (int cut = 1; cut < tokens.size(); ++cut) {
        int before = 0;
        int after = 0;
        for (int i = 0; i < tokens.size(); ++i) {
            if (i < cut)
                before += firstSign * saaminess.at(i);
            else
                after -= firstSign * saaminess.at(i);
        }
        if (before <= 0 || after <= 0)
            continue;
        const int score = before + after;
        if (score > bestScore) {
            bestScore = score;
            bestCuts = {cut};
        } else if (score == bestScore) {
            bestCuts.append(cut);
        }
    }
    if (bestCuts.isEmpty())
        return ExamplePair{text, QString()};
    // Words between the two parts that neither side claims (often loanwords
    // both languages share) are shared out, the odd one going with the
    // phrase, which tends to be the longer part.
    const int bestCut = bestCuts.at(bestCuts.size() / 2);
    return ExamplePair{tokens.mid(0, bestCut).join(u' '), tokens.mid(bestCut).join(u' ')};
}

} // namespace lumolex::mkdata
