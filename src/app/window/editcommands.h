#pragma once

// Cut, copy and paste on the focused control of the main window: the items
// of the menu "Правка" and of the context menu PMenuEdit, which the word
// box, the article view, the search box and the speech-example view open.
// The control does the work; read-only views ignore cut and paste.

#include <QList>
#include <QObject>

class QAction;
class QMenu;
class QPoint;
class QWidget;

namespace lumolex {

enum class EditCommand { Cut, Copy, Paste };

struct EditMenuState
{
    bool cut = false;
    bool copy = false;
    bool paste = false;
    bool operator==(const EditMenuState &) const = default;
};

// The state of the three context-menu items for a focused control (null:
// none). Edit boxes, combo boxes with an edit field and text views: cut and
// copy with a selection of at least one character, paste with text on the
// clipboard. Other controls: all off. The read-only views never cut or paste.
EditMenuState editMenuState(const QWidget *focused, bool clipboardHasText, const QList<const QWidget *> &readOnlyViews);

// Sends the command to the control; other controls ignore it.
void sendEditCommand(QWidget *focused, EditCommand command);

class EditCommands : public QObject
{
    Q_OBJECT
public:
    struct Items {
        QAction *MainMenuCut;
        QAction *MainMenuCopy;
        QAction *MainMenuPaste;
    };
    // `owners` get the context menu; `readOnlyViews` are among them.
    EditCommands(QWidget *window, Items items, const QList<QWidget *> &owners,
                 const QList<const QWidget *> &readOnlyViews);

    QMenu *PMenuEdit;
    QAction *PMenuEditCut;
    QAction *PMenuEditCopy;
    QAction *PMenuEditPaste;

    void MainMenuCutClick() { run(EditCommand::Cut); }
    void MainMenuCopyClick() { run(EditCommand::Copy); }
    void MainMenuPasteClick() { run(EditCommand::Paste); }
    void PMenuEditCutClick() { run(EditCommand::Cut); }
    void PMenuEditCopyClick() { run(EditCommand::Copy); }
    void PMenuEditPasteClick() { run(EditCommand::Paste); }
    void PMenuEditPopup();

private:
    void run(EditCommand command);
    void attach(QWidget *owner);
    void popupFrom(QWidget *source, const QPoint &pos);

    QWidget *m_window;
    QList<const QWidget *> m_readOnlyViews;
};

} // namespace lumolex
