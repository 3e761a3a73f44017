#pragma once

// The card history (drop-down list of the word box EditWord) and the find
// history (drop-down list of the search box EditFind).

#include <QObject>
#include <QPointer>
#include <QStringList>

class QComboBox;

namespace lumolex {

class MessageBoxes;
class Table;

class HistoryKeeper : public QObject
{
    Q_OBJECT
public:
    enum Mode { CardHistory = 0, FindHistory = 1 };

    HistoryKeeper(QComboBox *wordBox, QComboBox *findBox, Table *articles, MessageBoxes *messages,
                  QObject *parent = nullptr);

    // Mode 0: the current article's WORD goes on top of the card history; the
    // word box keeps its text. Mode 1: the search box's text, trimmed, goes on
    // top of the find history and the search box shows it. Other modes do nothing.
    void AddHistory(int mode);
    // Asks, then empties both lists; the texts shown in the boxes stay.
    void MainMenuClearHistClick();
    // Whether the user emptied the lists in this run: their files are then
    // replaced, not merged with what another copy saved.
    bool clearedThisRun() const { return m_cleared; }

    // The entries of a box's drop-down list, top first.
    static QStringList entries(const QComboBox *box);
    // Replaces a box's drop-down list without changing its text or selection
    // and without announcing a text change.
    static void setEntries(QComboBox *box, const QStringList &entries);

private:
    QPointer<QComboBox> m_wordBox;
    QPointer<QComboBox> m_findBox;
    Table *m_articles;
    MessageBoxes *m_messages;
    bool m_cleared = false;
};

} // namespace lumolex
