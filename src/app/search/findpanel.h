#pragma once

// Folder app/search: the search panel and the find dialog, the controls the
// searches of app/window drive. It may use app/lists (the result list),
// app/shell (message boxes), search, article/view and ui; never app/window.

// The search panel PanelFind on the right of the main window, hidden at
// start: caption, its tool bar with the close button and the scope check
// box, the result list and, at the bottom, the search box EditFind (its
// drop-down list is the find history) with the two search buttons.
// The searches connect their handlers to these controls.

#include <QFrame>

class QCheckBox;
class QComboBox;
class QLabel;
class QToolBar;
class QToolButton;

namespace lumolex {

class ResultListBox;

class FindPanel : public QFrame
{
    Q_OBJECT
public:
    explicit FindPanel(QWidget *parent = nullptr);

    QLabel *LabelCaptionFind;
    QToolBar *ToolBarFind;
    QToolButton *ToolButtonCloseFind;
    QCheckBox *CheckBoxFindInAllDict;
    ResultListBox *ListBoxFind;
    QFrame *PanelEditFind;
    QComboBox *EditFind;
    QToolBar *ToolBarFindGo;
    QToolButton *ToolButtonGoFind1;
    QToolButton *ToolButtonGoFind2;
};

} // namespace lumolex
