#include "scaler.h"

#include "article/transcription.h"
#include "data/files/datafileschema.h"

#include <utility>

namespace lumolex::mkdata {

namespace {

// Each word of a copy also gets these endings, as a real dictionary's word
// forms hold several inflected forms of each word.
const QString kEndings[] = {QString(), QStringLiteral("а"), QStringLiteral("ом")};

QString withSuffix(const QString &word, const QString &suffix)
{
    return word.left(kMaxWordLength - suffix.size()) + suffix;
}

} // namespace

QString copySuffix(int copy)
{
    static const QString letters = QStringLiteral("абвгдежзиклмнопрстуфхцчшщыэюя");
    QString digits;
    do {
        digits.prepend(letters.at(copy % letters.size()));
        copy /= int(letters.size());
    } while (copy > 0);
    return u'ъ' + digits;
}

void scaleData(BuiltData *data, int factor)
{
    if (factor <= 1 || data->articles.isEmpty())
        return;
    const QVector<ArticleRow> originals = data->articles;
    const int stride = originals.last().id;

    // The original keys with their IDs, taken before the copies are added.
    QVector<std::pair<QString, std::vector<int>>> keys;
    keys.reserve(data->wordForms.keyCount());
    data->wordForms.forEach([&keys](const QString &key, const std::vector<int> &ids) { keys.append({key, ids}); });
    // A copy's text is its own headword and the original's body.
    const QHash<QString, std::vector<int>> bodyWords = data->wordForms.bodyWords();

    data->articles.reserve(originals.size() * factor);
    for (int copy = 1; copy < factor; ++copy) {
        const QString suffix = copySuffix(copy);
        const int offset = copy * stride;
        for (const ArticleRow &original : originals) {
            ArticleRow row = original;
            row.id = original.id + offset;
            row.word = withSuffix(original.word, suffix);
            row.key = RetTransc(row.word);
            if (!row.gotoWord.isEmpty())
                row.gotoWord = withSuffix(original.gotoWord, suffix);
            data->articles.append(row);
            data->wordForms.addKey(row.key, row.id);
            data->wordForms.addHeadwordWords(row.word, row.id);
        }
        for (auto it = bodyWords.cbegin(); it != bodyWords.cend(); ++it) {
            for (int id : it.value())
                data->wordForms.addBodyWord(it.key(), id + offset);
        }
        for (const auto &[key, ids] : keys) {
            const QString copyKey = key + suffix;
            for (const QString &ending : kEndings) {
                for (int id : ids)
                    data->wordForms.addKey(copyKey + ending, id + offset);
            }
        }
    }
    data->wordForms.normalise();
}

} // namespace lumolex::mkdata
