#pragma once

// Wires the search panel to the main window: showing and hiding the panel
// (SpeedButtonFind, ToolButtonCloseFind, N28), the fast word search of
// ToolButtonGoFind1 and Enter in EditFind, and the selection of the result
// list. The search itself is FastWordSearch (search/); this class does the
// window's part around it: the current article, the filter, the status bar,
// the messages and the find history.

#include "search/dictionaryscope.h"
#include "search/fastwordsearch.h"
#include "data/table/table.h"

#include <QObject>

namespace lumolex {

class FindDialogOpener;
class TFormLumoLex;

class SearchLink : public QObject
{
    Q_OBJECT
public:
    explicit SearchLink(TFormLumoLex *window);

    void SpeedButtonFindClick();
    void ToolButtonCloseFindClick();
    void N28Click() { ToolButtonCloseFindClick(); }
    void PanelFindResize();
    void ToolButtonGoFind1Click();
    void ListBoxFindClick();
    void ListBoxFindDblClick();
    // A headword of the word box's word-form line: its article opens as a
    // found article does, and the typed form joins the search history.
    void openWordForm(int id, const QString &form);
    // ToolButtonFind and MainMenuFind (Ctrl+F): the find dialog.
    void ToolButtonFindClick();

    FindDialogOpener *findDialog = nullptr;

    // The scope of the searches: "Во всех словарях" and the dictionary buttons.
    DictionaryScope scope() const;

    // The first steps of both search buttons: the trimmed text of EditFind
    // becomes the shared search text; false (after the length message for a
    // short one) when there is nothing to search for.
    bool takeQuery(QString *query);
    void updateCounter();
    void clearResults();

    // The common end of both searches, called with the article table's
    // notifications suspended: the first result becomes current, or, when
    // there is none, the article at `before` again under the dictionary
    // filter. Then the notifications resume and the counter is set; only
    // after that is "Не найдено!" shown (unless `sayNotFound` is false), so
    // that the word list under the box is the list the user left. The focus
    // goes where the next key is useful: the result list when it holds
    // results, the search field otherwise.
    void finishSearch(const TableMark &before, bool sayNotFound = true);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void setMode(const QString &text);

    TFormLumoLex *m_window;
};

} // namespace lumolex
