#include "wordformindex.h"

#include "article/transcription.h"
#include "data/table/spelling.h"

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
    std::vector<int> &ids = m_spellingIds[SpellingCollation::typedForm(word)];
    if (ids.empty() || ids.back() != id)
        ids.push_back(id);
}

void WordFormIndex::addArticle(int id, const QString &headword, const QString &plainText,
                               const QStringList &grammarNotes)
{
    m_headwordSpellings.insert(SpellingCollation::typedForm(headword));
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
    FormMatch match = FormMatch::Exact;
    if (m_headwordSpellings.contains(spelling)) {
        articles = &m_spellingIds[spelling];
    } else {
        const auto found = m_ids.constFind(RetTransc(headword));
        if (found == m_ids.cend())
            return FormMatch::None;
        articles = &found.value();
        match = FormMatch::Folded;
    }
    const QString key = RetTransc(form);
    if (!key.isEmpty()) {
        std::vector<int> &target = m_formIds[key];
        target.insert(target.end(), articles->begin(), articles->end());
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
