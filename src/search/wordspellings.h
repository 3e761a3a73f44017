#pragma once

// Words as they are spelt. The word-form rows know words by their
// transcription key only, which folds the special Kildin letters and the
// macron, so every article holding a word of a key matches that word alike
// (а̄вьл is a form of а̄ввьль, and а̄ввьл writes it in an example). A data set
// built by lumolex-mkdata also keeps, in the word-form file
// (kWordSpellingTable), each word spelt exactly with the articles whose text
// holds it and those whose paradigm holds it as an inflected form. The fast
// word search lists the articles of a form spelt as typed ahead of the rest
// of its key, and checks the precise letters of a query against these words
// instead of reading the article texts.

#include <QString>
#include <QStringView>

#include <functional>
#include <memory>
#include <vector>

namespace lumolex {

namespace sqlite {
class Database;
class Statement;
} // namespace sqlite

// The table of the word-form file: each word spelt exactly (composed), under
// its transcription key, with the IDs of the articles whose text (headword
// and body) holds it and of those whose paradigm holds it as an inflected
// form, each written as ARRID (null: none). Ordered by key, so that the
// words of a key prefix are one range. lumolex-mkdata writes it.
inline constexpr char kWordSpellingTable[] = "wordspellings";
inline constexpr char kWordSpellingCreateSql[] =
    "CREATE TABLE wordspellings (TRANSC TEXT NOT NULL, SPELLING TEXT NOT NULL, TEXTIDS TEXT, FORMIDS TEXT, "
    "PRIMARY KEY (TRANSC, SPELLING)) WITHOUT ROWID";

class WordSpellings
{
public:
    virtual ~WordSpellings() = default;

    // The IDs (ascending, each once) of the articles whose paradigm holds a
    // form spelt `spelling`, a text made by SpellingCollation::typedForm.
    virtual std::vector<int> formHolders(const QString &spelling) = 0;

    // true when the words of the articles' texts are kept (textWords answers).
    virtual bool knowsTextWords() = 0;
    // Calls `each` with every word of the articles' texts (headword and
    // body, split as PreciseLetters reads them, in small letters) whose key
    // begins with `keyPrefix`, and the IDs of the articles holding it, as
    // ARRID text; in no particular order.
    using TextWord = std::function<void(const QString &word, QStringView ids)>;
    virtual void textWords(const QString &keyPrefix, const TextWord &each) = 0;
};

// The spellings kept in a data folder's word-form file, read with one
// indexed query per question: the window's start-up reads none of them. The
// file is opened at the first question and kept open. A file without the
// table (an older build) or one that cannot be read knows nothing, and the
// search works as it did without it.
class WordSpellingFile final : public WordSpellings
{
public:
    explicit WordSpellingFile(const QString &dataFolder);
    // Reads through the word-form file already open as `wordForms` (checked
    // by openDataFile; it must outlive this object), as a one-shot look-up
    // that has it open does, instead of opening it once more.
    explicit WordSpellingFile(sqlite::Database &wordForms);
    ~WordSpellingFile() override;

    std::vector<int> formHolders(const QString &spelling) override;
    bool knowsTextWords() override;
    void textWords(const QString &keyPrefix, const TextWord &each) override;

private:
    bool open();

    QString m_path;
    bool m_tried = false;
    std::unique_ptr<sqlite::Database> m_ownDb;  // opened at the first question, unless given
    sqlite::Database *m_db = nullptr;           // the file the statements read
    std::unique_ptr<sqlite::Statement> m_forms;
    std::unique_ptr<sqlite::Statement> m_words;
};

} // namespace lumolex
