#pragma once

// The word-form index: for each transcription key of a word form, the IDs
// of the articles in which it occurs. Articles contribute the words of their
// headword and text; each inflected form of a headword then leads to the
// articles that hold its lemma: spelt exactly so when some headword is spelt
// exactly like the lemma (the forms of маннь never lead to маӈӈь), and
// otherwise every article that holds a word of the lemma's key. Beside the
// keys, the index keeps the words as they are spelt (kWordSpellingTable):
// each word of the articles' texts with the articles holding it, and each
// form with the articles whose paradigm holds it, so that a search can tell
// a form's own headword from others whose words share its key (а̄вьл of
// а̄ввьль, not of а̄ввьл) and check a query's precise letters without
// reading the texts.

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QVector>

#include <vector>

namespace lumolex::mkdata {

// How an inflected form found the articles of its lemma.
enum class FormMatch {
    Exact,   // a headword is spelt exactly like the lemma
    Folded,  // no headword is; a word of the same transcription key is
    None,    // no article holds the lemma: the form is left out
};

struct WordFormRow {
    QString key;        // TRANSC
    QString ids;        // ARRID: decimal IDs separated by "|", ascending
};

// A row of the spelling table; an empty ID list is stored as null.
struct SpellingRow {
    QString key;        // TRANSC of the spelling
    QString spelling;
    QString textIds;    // the articles whose text holds the word spelt so
    QString formIds;    // those whose paradigm holds a form spelt so
};

// The words of a text: runs of letters and combining marks. A hyphen or an
// apostrophe between letters joins a compound, which counts as a word as
// well as its parts.
QStringList splitWords(QStringView text);

// The words of a text written directly before a full stop ("кл." "мн."),
// as abbreviations are.
QStringList abbreviationsIn(QStringView text);

class WordFormIndex
{
public:
    // The keys of the grammar labels: abbreviations that, written with their
    // full stop, are no words of the article anywhere in its text ("мн." in
    // a translation's remark). Set before adding articles.
    void setLabelKeys(const QSet<QString> &keys) { m_labelKeys = keys; }

    // Articles must be added in ascending ID order. The headword counts as a
    // whole, piece by piece as a search splits it at blanks, and word by
    // word; then every word of the text, except as many occurrences of a word
    // as the grammar notes hold (their labels are no words of the article),
    // and except grammar labels written as abbreviations.
    void addArticle(int id, const QString &headword, const QString &plainText,
                    const QStringList &grammarNotes = {});
    // Adds the form under the articles that hold its lemma `headword` (as
    // their headword or in their text): those that hold the exact spelling
    // when some headword is spelt so (letters composed, case aside), else
    // those that hold a word of its key. The form's spelling goes to the
    // articles whose paradigm it belongs to: those of the headword spelt so,
    // else those of the headwords of the lemma's key.
    FormMatch addForm(const QString &headword, const QString &form);
    // The words of an article's text as the fast search reads it, for the
    // spelling table: its headword and `bodyText`, the plain text of its
    // body as stored (bodyPlainText). Articles in ascending ID order.
    void addTextWords(int id, const QString &headword, const QString &bodyText);
    // Adds one key for one article directly (IDs ascending per key).
    void addKey(const QString &key, int id);

    const std::vector<int> *idsOf(const QString &key) const;
    qsizetype keyCount() const { return m_ids.size(); }

    // The rows of the word-form table, ordered by key.
    QVector<WordFormRow> rows() const;
    // The rows of the spelling table, ordered by key and spelling: the
    // words of the articles' texts as PreciseLetters reads them (wordsOf),
    // as written, and each inflected form's spelling
    // (SpellingCollation::typedForm) with the articles of its lemma's
    // headword (see addForm).
    QVector<SpellingRow> spellingRows() const;
    qsizetype formSpellingCount() const { return m_formSpellingIds.size(); }

    // For copies of the articles (a large data set made for benchmarks):
    // the words of the bodies added so far with their articles, and the
    // words of a copy's text (its headword, and a body word).
    QHash<QString, std::vector<int>> bodyWords() const { return m_bodyWordIds; }
    void addHeadwordWords(const QString &headword, int id);
    void addBodyWord(const QString &word, int id);

    // Calls f(key, ids) for every key (ids sorted and unique), in no order.
    template<typename F>
    void forEach(F f) const
    {
        for (auto it = m_ids.cbegin(); it != m_ids.cend(); ++it)
            f(it.key(), it.value());
    }

    // Merges the forms in, sorts and de-duplicates every ID list; call it
    // once all articles and forms are added, before reading.
    void normalise();

private:
    void addSpelling(const QString &word, int id);

    QSet<QString> m_labelKeys;
    QHash<QString, std::vector<int>> m_headwordSpellings; // the articles of each headword, as typedForm
    QHash<QString, std::vector<int>> m_headwordKeys;      // the articles of each headword's key
    QHash<QString, std::vector<int>> m_spellingIds; // the articles holding each exact spelling
    QHash<QString, std::vector<int>> m_ids;       // from the articles' words (and after normalise(), all)
    QHash<QString, std::vector<int>> m_formIds;   // from the inflected forms
    QHash<QString, std::vector<int>> m_formSpellingIds; // the same, by the forms' exact spellings
    QHash<QString, std::vector<int>> m_headwordWordIds; // the words of the headwords, as written
    QHash<QString, std::vector<int>> m_bodyWordIds;     // the words of the bodies, as written
};

} // namespace lumolex::mkdata
