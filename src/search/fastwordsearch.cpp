#include "search/fastwordsearch.h"

#include "article/bodydecoder.h"
#include "article/transcription.h"
#include "data/table/collation.h"
#include "data/files/dataloader.h"
#include "data/files/datafileschema.h"
#include "data/table/spelling.h"
#include "data/table/table.h"
#include "search/arrid.h"
#include "search/wordspellings.h"
#include "search/preciseletters.h"
#include "search/querytext.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <deque>
#include <string>
#include <vector>

namespace lumolex {

// One article of the working list: reached by the first word, and by the
// words after it up to `token`. Its headword and key are read only once it
// has matched every word.
struct WorkEntry {
    int id = 0;
    int dict = 0;
    int position = 0; // in the article table's ID order
    int token = 0;    // how many words, counted from the first, it has matched
    bool whole = false; // every word matched so far is one of its forms as a whole
};

namespace {

// The groups of the results, listed in this order.
enum class Match {
    Headword, // holds every word whole, and its headword is spelt like the query
    Form,     // holds every word whole, in its paradigm spelt exactly as typed
    Whole,    // holds every word as a whole form
    Prefix,   // holds some word only as the beginning of a longer form
};

// The articles a word reaches, both lists sorted and each ID once.
struct WordIds {
    std::vector<int> all;   // through any form beginning with the word
    std::vector<int> whole; // through a form that is the word
};

// a < b when both are written as decimal text: the order of IDs in the
// results among articles of one key.
bool idTextLess(int a, int b)
{
    char textA[16];
    char textB[16];
    const char *endA = std::to_chars(textA, textA + sizeof textA, a).ptr;
    const char *endB = std::to_chars(textB, textB + sizeof textB, b).ptr;
    return std::string_view(textA, size_t(endA - textA)) < std::string_view(textB, size_t(endB - textB));
}

// The first eight bytes of a sort key, big-endian and zero-padded: where two
// of them differ, they order as the whole keys do.
quint64 keyPrefix(std::string_view key)
{
    quint64 prefix = 0;
    for (size_t i = 0; i < 8; ++i)
        prefix = (prefix << 8) | (i < key.size() ? static_cast<unsigned char>(key[i]) : 0u);
    return prefix;
}

// For each word of the query, once, the articles whose paradigm holds it
// spelt exactly as typed (sorted); none at all without the spellings.
std::vector<std::vector<int>> formHoldersOf(const QString &query, WordSpellings *spellings)
{
    std::vector<std::vector<int>> holders;
    if (!spellings)
        return holders;
    QStringList typed;
    for (const QStringView word : QStringView(query).tokenize(u' ', Qt::SkipEmptyParts))
        typed.append(SpellingCollation::typedForm(word));
    typed.removeDuplicates();
    for (const QString &word : std::as_const(typed))
        holders.push_back(spellings->formHolders(word));
    return holders;
}

bool holdsEveryForm(const std::vector<std::vector<int>> &holders, int id)
{
    return !holders.empty() && std::all_of(holders.begin(), holders.end(), [id](const std::vector<int> &ids) {
        return std::binary_search(ids.begin(), ids.end(), id);
    });
}

// The entries that matched `words` words, in result order: by their group
// (Match), then by key, then by ID compared as text.
QVector<FoundArticle> resultsOf(const std::vector<WorkEntry> &list, int words, const Table &articles, int wordField,
                                int transcField, const QString &query, const std::vector<std::vector<int>> &formHolders)
{
    struct Ranked {
        Match match;
        quint64 prefix;
        std::string_view key;
        const WorkEntry *entry;
    };
    const QString typedQuery = SpellingCollation::typedForm(query);
    std::vector<Ranked> ranked;
    std::deque<std::string> madeKeys; // for an article whose key no index holds (a deque keeps them in place)
    QString buffer;
    for (const WorkEntry &entry : list) {
        if (entry.token != words)
            continue;
        std::string_view key = articles.sortKeyAt(entry.position, transcField);
        if (key.empty()) {
            madeKeys.push_back(KeyCollation::sortKey(articles.textAt(entry.position, transcField, buffer)));
            key = madeKeys.back();
        }
        Match match = Match::Prefix;
        if (entry.whole) {
            if (SpellingCollation::spelledAs(articles.textAt(entry.position, wordField, buffer), typedQuery))
                match = Match::Headword;
            else
                match = holdsEveryForm(formHolders, entry.id) ? Match::Form : Match::Whole;
        }
        ranked.push_back({match, keyPrefix(key), key, &entry});
    }
    std::sort(ranked.begin(), ranked.end(), [](const Ranked &a, const Ranked &b) {
        if (a.match != b.match)
            return a.match < b.match;
        if (a.prefix != b.prefix)
            return a.prefix < b.prefix;
        const int byKey = KeyCollation::compareKeys(a.key, b.key);
        return byKey != 0 ? byKey < 0 : idTextLess(a.entry->id, b.entry->id);
    });
    QVector<FoundArticle> results;
    results.reserve(qsizetype(ranked.size()));
    // The headwords are read as text: a short query lists thousands.
    for (const Ranked &r : ranked)
        results.append({r.entry->id, r.entry->dict, articles.textAt(r.entry->position, wordField, buffer).toString()});
    return results;
}

// Sorts the IDs and drops repeats. IDs of one word crowd a narrow range (a
// word of many articles repeats each in several forms), where marking them
// in a bit set and reading it back is several times quicker than sorting.
void sortUnique(std::vector<int> &ids)
{
    if (ids.empty())
        return;
    const auto [low, high] = std::minmax_element(ids.begin(), ids.end());
    const qint64 first = *low;
    const quint64 span = quint64(qint64(*high) - first) + 1;
    if (span / 64 > ids.size()) {
        std::sort(ids.begin(), ids.end());
        ids.erase(std::unique(ids.begin(), ids.end()), ids.end());
        return;
    }
    std::vector<quint64> marks(size_t((span + 63) / 64));
    for (const int id : ids) {
        const quint64 bit = quint64(qint64(id) - first);
        marks[size_t(bit / 64)] |= quint64(1) << (bit % 64);
    }
    ids.clear();
    for (size_t word = 0; word < marks.size(); ++word) {
        for (quint64 bits = marks[word]; bits; bits &= bits - 1)
            ids.push_back(int(first + qint64(word * 64) + std::countr_zero(bits)));
    }
}

// The IDs of the articles holding a form that begins with one of the
// spellings of a word (its key, and the key with ё for е), and of those
// holding one of them as a whole form.
void idsOfWord(Table &wordForms, int arridField, int formKeyField, const QStringList &spellings, WordIds &ids)
{
    ids.all.clear();
    ids.whole.clear();
    std::vector<int> formIds;
    QString buffer;
    for (const QString &spelling : spellings) {
        const std::string wholeKey = KeyCollation::sortKey(spelling);
        wordForms.setPrefixRange(spelling);
        const int forms = wordForms.recordCount();
        for (int form = 0; form < forms; ++form) {
            parseArrId(wordForms.textAt(form, arridField, buffer), formIds);
            ids.all.insert(ids.all.end(), formIds.begin(), formIds.end());
            if (wordForms.sortKeyAt(form, formKeyField) == wholeKey)
                ids.whole.insert(ids.whole.end(), formIds.begin(), formIds.end());
        }
    }
    sortUnique(ids.all);
    sortUnique(ids.whole);
}

// The articles of `ids` (sorted) that exist and are in scope, by ID.
std::vector<WorkEntry> articlesOf(const Table &articles, int idField, int dictField, const WordIds &word,
                                  const DictionaryScope &scope)
{
    // The IDs are sorted, and so is the article table in its ID order: each
    // is found by galloping on from where the one before it was found.
    const int total = articles.recordCount();
    const auto idAt = [&articles, idField](int position) { return articles.integerAt(position, idField); };
    const std::vector<int> &ids = word.all;
    std::vector<WorkEntry> found;
    found.reserve(ids.size());
    int from = 0;
    for (const int id : ids) {
        int low = from;
        int high = from;
        for (int step = 1; high < total && idAt(high) < id; step *= 2) {
            low = high + 1;
            high = std::min(total, high + step);
        }
        while (low < high) {
            const int middle = low + (high - low) / 2;
            if (idAt(middle) < id)
                low = middle + 1;
            else
                high = middle;
        }
        from = low;
        if (from == total)
            break;
        if (idAt(from) != id)
            continue; // no article has this ID
        const int dict = int(articles.integerAt(from, dictField));
        if (scope.passes(dict))
            found.push_back({id, dict, from, 1, std::binary_search(word.whole.begin(), word.whole.end(), id)});
    }
    return found;
}

// The keys of the query's words that restrict the result, each once. An
// article holding a form that begins with a key holds one beginning with
// every shorter piece of it, so a key that begins another key restricts
// nothing more: the empty key of two blanks in a row, a repeated word, «до»
// beside «дом». Leaving them out keeps a query of thousands of blanks or
// repeats as quick as its distinct words; a query of empty keys only keeps
// one, which every article with a word form matches.
QStringList restrictingKeys(const QString &query)
{
    QStringList keys;
    // Empty words (blanks in a row) restrict nothing and cost nothing.
    for (const QStringView word : QStringView(query).tokenize(u' ', Qt::SkipEmptyParts))
        keys.append(RetTransc(word));
    std::sort(keys.begin(), keys.end());
    keys.erase(std::unique(keys.begin(), keys.end()), keys.end());
    // Sorted, a key that begins others comes right before one of them.
    QStringList kept;
    for (qsizetype i = 0; i < keys.size(); ++i)
        if (i + 1 == keys.size() || !keys.at(i + 1).startsWith(keys.at(i)))
            kept.append(keys.at(i));
    return kept;
}

// The words of the query spelt with a macron or a special Kildin letter, as
// PreciseLetters and as typed.
struct PreciseWords {
    std::vector<PreciseLetters> letters;
    QStringList texts;
};

PreciseWords preciseWordsOf(const QString &query)
{
    PreciseWords precise;
    // One pass over the query: blanks between words cost nothing.
    for (const QStringView token : QStringView(query).split(u' ', Qt::SkipEmptyParts)) {
        PreciseLetters word(token.toString());
        if (word.isPrecise()) {
            precise.letters.push_back(std::move(word));
            precise.texts.append(token.toString());
        }
    }
    return precise;
}

// Whether the words of the articles' texts kept in the data set tell which
// articles hold the precise words.
bool spelledWordsTell(const std::vector<PreciseLetters> &precise, WordSpellings *spellings)
{
    if (!spellings || !spellings->knowsTextWords())
        return false;
    // A query word of other characters (a hyphen, a full stop) may run
    // across the words of a text: only the text itself can tell.
    return std::all_of(precise.begin(), precise.end(), [](const PreciseLetters &word) { return word.isOneWord(); });
}

// Drops the entries (those that matched `words` words) whose text holds
// words of the key of a precise query word but none spelt with its letters,
// as the words of the articles' texts kept in the data set tell (the caller
// has made sure that they tell: spelledWordsTell).
void dropBySpelledWords(std::vector<WorkEntry> &list, int words, const PreciseWords &precise, WordSpellings *spellings)
{
    std::vector<int> ids;
    for (size_t i = 0; i < precise.letters.size(); ++i) {
        const PreciseLetters &word = precise.letters[i];
        std::vector<int> keyed; // holding a word of the key
        std::vector<int> spelt; // holding one spelt with the query's letters
        for (const QString &prefix : yoPrefixSpellings(RetTransc(precise.texts.at(qsizetype(i))))) {
            spellings->textWords(prefix, [&](const QString &text, QStringView arrid) {
                if (!word.keyBeginsAWordIn(text))
                    return;
                parseArrId(arrid, ids);
                std::vector<int> &target = word.beginsAWordIn(text) ? spelt : keyed;
                target.insert(target.end(), ids.begin(), ids.end());
            });
        }
        sortUnique(keyed);
        sortUnique(spelt);
        for (WorkEntry &entry : list) {
            if (entry.token == words && std::binary_search(keyed.begin(), keyed.end(), entry.id)
                && !std::binary_search(spelt.begin(), spelt.end(), entry.id))
                entry.token = 0;
        }
    }
}

} // namespace

FastWordSearch::FastWordSearch(Table &articles, Table &wordForms, WordSpellings *wordSpellings)
    : m_articles(articles)
    , m_wordForms(wordForms)
    , m_wordSpellings(wordSpellings)
{
}

QStringList FastWordSearch::wordKeys(const QString &query)
{
    return restrictingKeys(query);
}

bool FastWordSearch::readsArticleTexts(const QString &query, bool exactLetters, WordSpellings *wordSpellings)
{
    if (!exactLetters)
        return false;
    const PreciseWords precise = preciseWordsOf(query);
    return !precise.letters.empty() && !spelledWordsTell(precise.letters, wordSpellings);
}

void FastWordSearch::dropImpreciseMatches(std::vector<WorkEntry> &list, int words, const QString &query)
{
    const PreciseWords precise = preciseWordsOf(query);
    if (precise.letters.empty())
        return;
    // The word-form table holds keys only, so the letters are checked in the
    // article's own text: an article whose text has words of the query's key
    // but none spelt with the query's letters is dropped. One reached only
    // through inflected forms of its headword (its text has no such word at
    // all) stays: its forms are not written in it. The words of the texts,
    // where the data set keeps them, answer without reading a text
    // (readsArticleTexts tells the same).
    if (spelledWordsTell(precise.letters, m_wordSpellings)) {
        dropBySpelledWords(list, words, precise, m_wordSpellings);
        return;
    }
    const int wordField = m_articles.fieldIndex(QString::fromLatin1(field::WORD));
    const int bodyField = m_articles.fieldIndex(QString::fromLatin1(field::TRANSL));
    QString buffer;
    for (WorkEntry &entry : list) {
        if (entry.token != words)
            continue;
        bool isNull = false;
        const QString text = m_articles.textAt(entry.position, wordField, buffer).toString() + u'\n'
            + bodyPlainText(m_articles.blobAt(entry.position, bodyField, &isNull), isNull);
        for (const PreciseLetters &word : precise.letters) {
            if (word.keyBeginsAWordIn(text) && !word.beginsAWordIn(text)) {
                entry.token = 0;
                break;
            }
        }
    }
}

QVector<FoundArticle> FastWordSearch::run(const QString &query, const DictionaryScope &scope, bool exactLetters)
{
    const int idField = m_articles.fieldIndex(QString::fromLatin1(field::ID));
    const int dictField = m_articles.fieldIndex(QString::fromLatin1(field::DICT));
    const int wordField = m_articles.fieldIndex(QString::fromLatin1(field::WORD));
    const int transcField = m_articles.fieldIndex(QString::fromLatin1(field::TRANSC));
    const int arridField = m_wordForms.fieldIndex(QString::fromLatin1(field::ARRID));
    const int formKeyField = m_wordForms.fieldIndex(QString::fromLatin1(field::TRANSC));

    m_articles.setFiltered(false);
    m_articles.setActiveIndex(QString::fromLatin1(kIndexArticleId));
    m_wordForms.setActiveIndex(QString::fromLatin1(kIndexWordFormKey));

    // The words are taken narrowest range first: the set of articles that
    // match every word does not depend on the order, and the first word is
    // the one whose articles are looked up, so it should reach few.
    const QStringList keys = wordKeys(query);
    // A word typed with е also stands for its spellings with ё.
    struct Word {
        QStringList spellings;
        int forms = 0;
    };
    std::vector<Word> order;
    order.reserve(size_t(keys.size()));
    for (const QString &key : keys) {
        Word word{yoSpellings(key)};
        for (const QString &spelling : word.spellings) {
            m_wordForms.setPrefixRange(spelling);
            word.forms += m_wordForms.recordCount();
        }
        order.push_back(std::move(word));
    }
    std::stable_sort(order.begin(), order.end(), [](const Word &a, const Word &b) { return a.forms < b.forms; });
    const int words = int(order.size());

    // The working list holds the first word's articles in scope, by ID; each
    // next word keeps those it reaches too.
    std::vector<WorkEntry> list;
    WordIds ids;
    for (int i = 1; i <= words; ++i) {
        // An article the previous word did not reach can never be listed.
        if (i > 1 && std::none_of(list.begin(), list.end(), [i](const WorkEntry &e) { return e.token == i - 1; }))
            break;
        idsOfWord(m_wordForms, arridField, formKeyField, order[size_t(i - 1)].spellings, ids);
        if (i == 1) {
            list = articlesOf(m_articles, idField, dictField, ids, scope);
            continue;
        }
        // Both lists are in ID order: one walk finds the articles the word reaches.
        auto reached = ids.all.cbegin();
        for (WorkEntry &entry : list) {
            reached = std::lower_bound(reached, ids.all.cend(), entry.id);
            if (reached == ids.all.cend())
                break;
            if (*reached == entry.id && entry.token == i - 1) {
                entry.token = i;
                entry.whole = entry.whole && std::binary_search(ids.whole.begin(), ids.whole.end(), entry.id);
            }
        }
    }
    m_wordForms.cancelRange();
    if (exactLetters)
        dropImpreciseMatches(list, words, query);
    return resultsOf(list, words, m_articles, wordField, transcField, query, formHoldersOf(query, m_wordSpellings));
}

} // namespace lumolex
