#include "app/window/setuplink.h"

#include "app/window/appearancecommands.h"
#include "app/window/commandstate.h"
#include "app/search/findpanel.h"
#include "app/window/formlumolex.h"
#include "app/setup/formsetup.h"
#include "app/window/mainmenu.h"
#include "app/lists/resultlistbox.h"
#include "app/lists/wordlistview.h"
#include "app/lists/wordpanel.h"
#include "article/view/articlepanel.h"
#include "article/view/richtextview.h"

#include <QAction>

#include <memory>

namespace lumolex {

SetupLink::SetupLink(TFormLumoLex *window)
    : QObject(window)
    , m_window(window)
{
    connect(window->menu->MainMenuSetup, &QAction::triggered, this, &SetupLink::MainMenuSetupClick);
    setCommandReady(window->menu->MainMenuSetup);
}

SetupActions SetupLink::actions() const
{
    SetupActions actions;
    actions.applyFonts = [window = m_window] { window->SetFonts(); };
    actions.applyTransparency = [window = m_window] { window->appearance->SetTransparency(); };
    actions.repaintLists = [window = m_window] {
        window->PanelWord->DBGrid1->viewport()->update();
        window->PanelFind->ListBoxFind->viewport()->update();
    };
    return actions;
}

void SetupLink::MainMenuSetupClick()
{
    if (FormSetup)
        return;
    std::unique_ptr<TFormSetup> dialog = std::make_unique<TFormSetup>(
        &m_window->settings, m_window->PanelTransl->Editor->document(), actions(),
        InstalledFonts(), m_window);
    FormSetup = dialog.get();
    emit dialogOpened(dialog.get());
    dialog->exec();
    // Closed for any reason: the dialog goes, the next opening makes a new one.
}

} // namespace lumolex
