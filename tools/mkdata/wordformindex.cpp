#include "wordformindex.h"

#include "article/transcription.h"
#include "data/table/spelling.h"
#include "search/preciseletters.h"

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

void addId(QHash<QString, std::vector<int>> &lists, const QString &text, int id)
{
    std::vector<int> &ids = lists[text];
    if (ids.empty() || ids.back() != id)
        ids.push_back(id);
}

QString arridOf(const std::vector<int> &ids)
{
    QString text;
    text.reserve(qsizetype(ids.size()) * 6);
    for (int id : ids) {
        if (!text.isEmpty())
            text += u'|';
        text += QString::number(id);
    }
    return text;
}

// Sorts every ID list and drops repeats.
void sortIdLists(QHash<QString, std::vector<int>> &lists)
{
    for (auto it = lists.begin(); it != lists.end(); ++it) {
        std::vector<int> &ids = it.value();
        if (!std::is_sorted(ids.begin(), ids.end()))
            std::sort(ids.begin(), ids.end());
        ids.erase(std::unique(ids.begin(), ids.end()), ids.end());
    }
}

// One row per text, its IDs written as ARRID, ordered by text.
QVector<WordFormRow> rowsOf(const QHash<QString, std::vector<int>> &lists)
{
    QVector<WordFormRow> rows;
    rows.reserve(lists.size());
    for (auto it = lists.cbegin(); it != lists.cend(); ++it)
        rows.append(WordFormRow{it.key(), arridOf(it.value())});
    std::sort(rows.begin(), rows.end(), [](const WordFormRow &a, const WordFormRow &b) { return a.key < b.key; });
    return rows;
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

QStringList abbreviationsIn(QStringView text)
{
    QStringList words;
    qsizetype start = -1;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        const bool inWord = i < text.size() && isWordChar(text[i]);
        if (inWord && start < 0)
            start = i;
        if (!inWord && start >= 0) {
            if (i < text.size() && text[i] == u'.')
                words << text.mid(start, i - start).toString();
            start = -1;
        }
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

void WordFormIndex::addSpelling(const QString &word, int id)
{
    addId(m_spellingIds, SpellingCollation::typedForm(word), id);
}

void WordFormIndex::addHeadwordWords(const QString &headword, int id)
{
    for (const QString &word : wordsOf(headword))
        addId(m_headwordWordIds, word, id);
}

void WordFormIndex::addBodyWord(const QString &word, int id)
{
    addId(m_bodyWordIds, word, id);
}

void WordFormIndex::addTextWords(int id, const QString &headword, const QString &bodyText)
{
    addHeadwordWords(headword, id);
    for (const QString &word : wordsOf(bodyText))
        addBodyWord(word, id);
}

void WordFormIndex::addArticle(int id, const QString &headword, const QString &plainText,
                               const QStringList &grammarNotes)
{
    addId(m_headwordSpellings, SpellingCollation::typedForm(headword), id);
    addId(m_headwordKeys, RetTransc(headword), id);
    addSpelling(headword, id);
    for (const QString &word : splitWords(headword))
        addSpelling(word, id);
    for (const QString &word : splitWords(plainText))
        addSpelling(word, id);

    const QString key = RetTransc(headword);
    addKey(key, id);
    for (const QString &piece : key.split(u' ', Qt::SkipEmptyParts))
        addKey(piece, id);
    for (const QString &word : splitWords(headword))
        addKey(RetTransc(word), id);
    // How many occurrences of each key are labels: every word of the notes,
    // and the label abbreviations outside them.
    QHash<QString, int> labels;
    const auto countLabels = [this, &labels](QStringView text, int sign) {
        for (const QString &word : abbreviationsIn(text)) {
            const QString wordKey = RetTransc(word);
            if (m_labelKeys.contains(wordKey))
                labels[wordKey] += sign;
        }
    };
    countLabels(plainText, 1);
    for (const QString &note : grammarNotes) {
        countLabels(note, -1);
        for (const QString &word : splitWords(note))
            ++labels[RetTransc(word)];
    }
    for (const QString &word : splitWords(plainText)) {
        const QString wordKey = RetTransc(word);
        if (auto label = labels.find(wordKey); label != labels.end() && label.value() > 0) {
            --label.value();
            continue;
        }
        addKey(wordKey, id);
    }
}

FormMatch WordFormIndex::addForm(const QString &headword, const QString &form)
{
    // Only the articles' own words lead to articles: a form is never the
    // headword of further forms.
    const QString spelling = SpellingCollation::typedForm(headword);
    const std::vector<int> *articles = nullptr;
    const std::vector<int> *owners = nullptr; // the articles whose paradigm holds the form
    FormMatch match = FormMatch::Exact;
    if (const auto exact = m_headwordSpellings.constFind(spelling); exact != m_headwordSpellings.cend()) {
        articles = &m_spellingIds[spelling];
        owners = &exact.value();
    } else {
        const auto found = m_ids.constFind(RetTransc(headword));
        if (found == m_ids.cend())
            return FormMatch::None;
        articles = &found.value();
        match = FormMatch::Folded;
        if (const auto keyed = m_headwordKeys.constFind(found.key()); keyed != m_headwordKeys.cend())
            owners = &keyed.value();
    }
    const QString key = RetTransc(form);
    if (!key.isEmpty()) {
        std::vector<int> &target = m_formIds[key];
        target.insert(target.end(), articles->begin(), articles->end());
        if (owners) {
            std::vector<int> &spelt = m_formSpellingIds[SpellingCollation::typedForm(form)];
            spelt.insert(spelt.end(), owners->begin(), owners->end());
        }
    }
    return match;
}

void WordFormIndex::normalise()
{
    for (auto it = m_formIds.begin(); it != m_formIds.end(); ++it) {
        std::vector<int> &ids = m_ids[it.key()];
        ids.insert(ids.end(), it.value().begin(), it.value().end());
    }
    m_formIds.clear();
    sortIdLists(m_ids);
    sortIdLists(m_formSpellingIds);
    sortIdLists(m_headwordWordIds);
    sortIdLists(m_bodyWordIds);
}

const std::vector<int> *WordFormIndex::idsOf(const QString &key) const
{
    const auto found = m_ids.constFind(key);
    return found == m_ids.cend() ? nullptr : &found.value();
}

QVector<WordFormRow> WordFormIndex::rows() const
{
    return rowsOf(m_ids);
}

QVector<SpellingRow> WordFormIndex::spellingRows() const
{
    // The words of a text, headword and body together.
    QHash<QString, std::vector<int>> textIds = m_bodyWordIds;
    for (auto it = m_headwordWordIds.cbegin(); it != m_headwordWordIds.cend(); ++it) {
        std::vector<int> &ids = textIds[it.key()];
        ids.insert(ids.end(), it.value().begin(), it.value().end());
    }
    sortIdLists(textIds);
    QVector<SpellingRow> rows;
    rows.reserve(textIds.size() + m_formSpellingIds.size());
    for (auto it = textIds.cbegin(); it != textIds.cend(); ++it) {
        const auto form = m_formSpellingIds.constFind(it.key());
        rows.append({RetTransc(it.key()), it.key(), arridOf(it.value()),
                     form == m_formSpellingIds.cend() ? QString() : arridOf(form.value())});
    }
    for (auto it = m_formSpellingIds.cbegin(); it != m_formSpellingIds.cend(); ++it) {
        if (!textIds.contains(it.key()))
            rows.append({RetTransc(it.key()), it.key(), QString(), arridOf(it.value())});
    }
    std::sort(rows.begin(), rows.end(), [](const SpellingRow &a, const SpellingRow &b) {
        return a.key != b.key ? a.key < b.key : a.spelling < b.spelling;
    });
    return rows;
}

} // namespace lumolex::mkdata
