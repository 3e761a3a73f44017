#include "wordformindex.h"

#include "article/transcription.h"

#include <QSet>

#include <algorithm>

namespace lumolex::mkdata {

namespace {

bool isWordChar(QChar c)
{
    return c.isLetter() || c.isMark();
}

bool isJoiner(QChar c)
{
    return c == u'-' || c == u'\'' || c == u'\u2019';
}

} // namespace

QStringList splitWords(QStringView text)
{
    QStringList words;
    const qsizetype size = text.size();
    qsizetype i = 0;
    while (i < size) {
        if (!isWordChar(text[i]) || text[i].isMark()) {
            ++i;
            continue;
        }
        const qsizetype start = i;
        qsizetype partStart = i;
        bool compound = false;
        while (i < size) {
            if (isWordChar(text[i])) {
                ++i;
            } else if (isJoiner(text[i]) && i + 1 < size && text[i + 1].isLetter()) {
                words.append(text.mid(partStart, i - partStart).toString());
                compound = true;
                ++i;
                partStart = i;
            } else {
                break;
            }
        }
        if (compound)
            words.append(text.mid(partStart, i - partStart).toString());
        words.append(text.mid(start, i - start).toString());
    }
    return words;
}

void WordFormIndex::addKey(const QString &key, int id)
{
    if (key.isEmpty())
        return;
    std::vector<int> &ids = m_ids[key];
    if (ids.empty() || ids.back() != id)
        ids.push_back(id);
}

void WordFormIndex::addArticle(int id, const QString &headword, const QString &plainText)
{
    // The headword as a whole (it may hold several words), then every word.
    addKey(RetTransc(headword), id);
    for (const QString &word : splitWords(headword))
        addKey(RetTransc(word), id);
    for (const QString &word : splitWords(plainText))
        addKey(RetTransc(word), id);
}

bool WordFormIndex::addForm(const QString &headword, const QString &form)
{
    // Only the articles' own words lead to articles: a form is never the
    // headword of further forms.
    const auto found = m_ids.constFind(RetTransc(headword));
    if (found == m_ids.cend())
        return false;
    const QString key = RetTransc(form);
    if (key.isEmpty())
        return true;
    std::vector<int> &target = m_formIds[key];
    target.insert(target.end(), found.value().begin(), found.value().end());
    return true;
}

void WordFormIndex::normalise()
{
    for (auto it = m_formIds.begin(); it != m_formIds.end(); ++it) {
        std::vector<int> &ids = m_ids[it.key()];
        ids.insert(ids.end(), it.value().begin(), it.value().end());
    }
    m_formIds.clear();
    for (auto it = m_ids.begin(); it != m_ids.end(); ++it) {
        std::vector<int> &ids = it.value();
        if (!std::is_sorted(ids.begin(), ids.end()))
            std::sort(ids.begin(), ids.end());
        ids.erase(std::unique(ids.begin(), ids.end()), ids.end());
    }
}

const std::vector<int> *WordFormIndex::idsOf(const QString &key) const
{
    const auto found = m_ids.constFind(key);
    return found == m_ids.cend() ? nullptr : &found.value();
}

QVector<WordFormRow> WordFormIndex::rows() const
{
    QVector<WordFormRow> rows;
    rows.reserve(m_ids.size());
    for (auto it = m_ids.cbegin(); it != m_ids.cend(); ++it) {
        QString ids;
        ids.reserve(qsizetype(it.value().size()) * 6);
        for (int id : it.value()) {
            if (!ids.isEmpty())
                ids += u'|';
            ids += QString::number(id);
        }
        rows.append(WordFormRow{it.key(), ids});
    }
    std::sort(rows.begin(), rows.end(), [](const WordFormRow &a, const WordFormRow &b) { return a.key < b.key; });
    return rows;
}

} // namespace lumolex::mkdata
