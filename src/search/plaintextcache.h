#pragma once

// The converted plain texts (transcription keys of whole bodies) of the
// articles a fragment search has read, so that the next search does not
// inflate and read them again. The data files are read once and never
// written, so a text stays valid for the life of the program.
//
// The cache is bounded by the bytes its texts take. When it is full, new
// texts are simply not kept: every search visits the articles in the same
// order, so the texts already kept keep serving the next searches, where
// evicting old ones would make a full scan miss every time.

#include <QHash>
#include <QString>

namespace lumolex {

class PlainTextCache
{
public:
    // 256 MiB: several times the converted text of the larger dictionaries.
    static constexpr qsizetype kDefaultBudget = qsizetype(256) * 1024 * 1024;

    explicit PlainTextCache(qsizetype budgetBytes = kDefaultBudget);

    // The text kept for the article of this ID, or nullptr.
    const QString *find(int id) const;
    // Keeps the text when it fits in the budget; false when it was not kept.
    bool insert(int id, QString text);
    void clear();

    qsizetype bytes() const { return m_bytes; }
    qsizetype budget() const { return m_budget; }
    qsizetype count() const { return m_texts.size(); }

    // What one kept text costs: its characters plus the string and hash
    // node overhead.
    static qsizetype costOf(const QString &text);

private:
    QHash<int, QString> m_texts;
    qsizetype m_budget;
    qsizetype m_bytes = 0;
};

} // namespace lumolex
