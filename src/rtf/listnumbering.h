#pragma once

#include <QHash>
#include <QList>
#include <QString>

#include <array>

namespace lumolex::rtf {

// The list definitions of a document (\listtable, \listoverridetable) and the
// running counters that turn them into paragraph labels ("1.", "a)", "•").
// Paragraphs name their list with \lsN and their level with \ilvlN.
class ListNumbering
{
public:
    static constexpr int kMaxLevels = 9;

    // \listtable
    void beginList();
    void setListId(int id);
    void beginLevel();
    void setLevelFormat(int numberFormat);
    void setLevelStart(int start);
    void setLevelFollow(int follow);
    // The raw \leveltext: a length character, then the template, in which
    // characters below U+0009 stand for the numbers of levels 0 to 8.
    void setLevelText(const QString &raw);

    // \listoverridetable
    void beginOverride();
    void setOverrideListId(int id);
    void setOverrideNumber(int number);

    bool isEmpty() const { return m_lists.isEmpty(); }

    // The label of the next paragraph of list override `number` at `level`,
    // followed by its separator (TAB, space or nothing); advances the
    // counters. Empty when the document does not define that list.
    QString nextLabel(int number, int level);

private:
    struct Level
    {
        int numberFormat = 0; // \levelnfc: 0 decimal, 1 I, 2 i, 3 A, 4 a, 23 bullet, 255 none
        int start = 1;
        int follow = 0;       // 0 TAB, 1 space, 2 nothing
        QString text;
    };
    struct List
    {
        int id = 0;
        QList<Level> levels;
    };
    struct Counters
    {
        std::array<int, kMaxLevels> value {};
        std::array<bool, kMaxLevels> started {};
    };

    Level *currentLevel();
    const List *findList(int id) const;
    static QString formatNumber(int value, int numberFormat);

    QList<List> m_lists;
    QHash<int, int> m_listIndex; // \listid -> index in m_lists
    QHash<int, int> m_overrides; // \ls number -> \listid
    int m_overrideListId = 0;
    bool m_inOverride = false;
    QHash<int, Counters> m_counters; // by \listid
};

} // namespace lumolex::rtf
