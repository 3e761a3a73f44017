// The window commands of the main window: appearance (transparency, always
// on top), the visibility of its four optional parts, the edit commands and
// the settings dialog, each its own part connected here.

#include "app/window/formlumolex.h"

#include "app/window/appearancecommands.h"
#include "app/window/cardlink.h"
#include "app/window/editcommands.h"
#include "app/cards/formcard.h"
#include "app/search/findpanel.h"
#include "app/window/mainmenu.h"
#include "app/window/panelvisibility.h"
#include "app/window/setuplink.h"
#include "app/shell/statuspanel.h"
#include "app/window/toolbarpanel.h"
#include "app/lists/wordpanel.h"
#include "article/view/articlepanel.h"
#include "article/view/examplespanel.h"
#include "article/view/richtextview.h"
#include "ui/windowappearance.h"

#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QTextEdit>
#include <QToolBar>

namespace lumolex {

void TFormLumoLex::connectWindowCommands()
{
    AppearanceControls look;
    look.window = this;
    look.settings = &settings;
    look.transparencyItems = menu->TransparencyItems;
    look.transparencyGroup = menu->TransparencyGroup;
    look.SpeedButtonFormTop = PanelTop->SpeedButtonFormTop;
    look.MainMenuAlwaysTop = menu->MainMenuAlwaysTop;
    look.transparencyMenu = menu->N9->menuAction();
    appearance = new AppearanceCommands(look, this);
    // Cards take the main window's transparency when shown, and follow its
    // changes, while TranspCard is on.
    appearance->setOpenCards([this] {
        QList<QWidget *> open;
        for (TFormCard *card : cards->cards())
            open.append(card);
        return open;
    });
    connect(cards, &CardLink::cardShown, this, [this](TFormCard *card) {
        if (settings.TranspCard && settings.Transparency > 0)
            applyTransparency(card, settings.Transparency);
    });

    PanelControls parts;
    parts.PanelTop = PanelTop;
    parts.PanelStatus = PanelStatus;
    parts.ToolBarWord = PanelWord->ToolBarWord;
    parts.captionFollowers = {PanelWord->LabelCaptionWord, PanelTransl->ToolBarTransl, PanelTransl->LabelCaptionTransl,
                              PanelFind->ToolBarFind, PanelFind->LabelCaptionFind};
    parts.PanelPhrase = PanelPhrase;
    parts.TimerPhrase = PanelPhrase->TimerPhrase;
    parts.MainMenuPanelToolBar = menu->MainMenuPanelToolBar;
    parts.MainMenuPanelStatus = menu->MainMenuPanelStatus;
    parts.MainMenuPanelCaption = menu->MainMenuPanelCaption;
    parts.MainMenuPanelPhrase = menu->MainMenuPanelPhrase;
    parts.MainMenuVisiblePanel = menu->MainMenuVisiblePanel;
    parts.MainMenuNotVisiblePanel = menu->MainMenuNotVisiblePanel;
    panels = new PanelVisibility(parts, this);

    edit = new EditCommands(this, {menu->MainMenuCut, menu->MainMenuCopy, menu->MainMenuPaste},
                            {PanelWord->EditWord, PanelTransl->Editor, PanelFind->EditFind, PanelPhrase->EditorPhrase},
                            {PanelTransl->Editor, PanelPhrase->EditorPhrase});

    setup = new SetupLink(this);
}

} // namespace lumolex
