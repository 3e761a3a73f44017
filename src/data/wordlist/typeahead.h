#pragma once

// Where the word list lands for the text typed into the word box.
//
// The list is in the order of the transcription key, so the typed text is
// looked up by its key: the first record whose key is not below it (the
// nearest key). Two refinements make every headword reachable:
//   - when records whose key equals the typed key hold a headword spelt
//     exactly like the typed text (compared composed and in small letters,
//     so a macron may be typed as a separate character), the first of them
//     is taken rather than the first of the key: маӈӈь typed lands on маӈӈь,
//     not on маннь before it; typed without its special letters, a word
//     lands on the first of its key as before;
//   - a Russian reader types е for ё: when no key begins with the typed key
//     but one begins with it spelt with ё in place of some е, the list lands
//     there (елка reaches ёлка; a typed ё means ё).

#include <QString>
#include <QStringView>

namespace lumolex {

class Table;

class TypeAhead
{
public:
    // The article table with its key index ("cds1i1") active.
    explicit TypeAhead(Table &articles);

    // Moves the current record for `typed`, whose transcription key is
    // `key`, announcing one move. False only when the view is empty.
    bool land(QStringView typed, const QString &key);

private:
    // The view position of the first record whose key begins with key, -1 for none.
    int firstWithPrefix(const QString &key);
    // From `position`, the first record of the same key whose headword is
    // spelt like typed; `position` itself when none is.
    int exactSpelling(int position, const QString &key, QStringView typed) const;

    Table &m_articles;
    int m_transcField;
    int m_wordField;
};

} // namespace lumolex
