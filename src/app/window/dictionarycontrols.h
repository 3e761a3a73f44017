#pragma once

// The ten dictionary controls (five speed buttons, five menu items) and the
// operations over them: SetButtonDict, SetFilterDict and FindWord's change of
// the selection. The rules themselves are in data/dictionaryselection.h; this
// class reads and writes the controls around them.

#include "data/wordlist/dictionaryselection.h"

#include <QList>
#include <QObject>

#include <functional>

class QAction;
class QToolButton;

namespace lumolex {

class DictionaryCredits;
class Table;

class DictionaryControls : public QObject
{
    Q_OBJECT
public:
    // Buttons and menu items in screen order (codes 1, 2, 4, 3, 9).
    DictionaryControls(Table *articles, const QList<QToolButton *> &buttons, const QList<QAction *> &menuItems,
                       QObject *parent = nullptr);

    // Called when a choice sets the panel captions: "Слово"/"Перевод" or
    // "Тема"/"Фразы".
    std::function<void(PanelCaptions)> onCaptions;

    // A dictionary choice; `sender` is the button or menu item clicked (its
    // state already toggled), or any other object (the window at start-up,
    // nothing for FindWord), which only re-applies the filter.
    void SetButtonDict(QObject *sender);
    void SetFilterDict(bool on);
    // Makes the article with `id` current and selects its dictionary on the
    // buttons. Answers whether the article exists.
    bool FindWord(int id);

    // Captions and hints completed with the credited persons. A dictionary
    // without articles in the data (`withArticles` false for its slot) is
    // not offered: its button, menu item and shortcut are disabled, its
    // caption credits nobody and its hint says why.
    void applyCredits(const DictionaryCredits &credits, const std::array<bool, kDictionaryCount> &withArticles);

    DictionaryControlStates states() const;
    void setStates(const DictionaryControlStates &states);
    QString filterText() const;

private:
    void updateMenuIcons();

    Table *m_articles;
    QList<QToolButton *> m_buttons;
    QList<QAction *> m_menuItems;
};

} // namespace lumolex
