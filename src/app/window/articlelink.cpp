#include "app/window/articlelink.h"

#include "app/search/findpanel.h"
#include "app/window/formlumolex.h"
#include "app/window/mainmenu.h"
#include "app/shell/statuspanel.h"
#include "app/window/toolbarpanel.h"
#include "app/lists/wordlistview.h"
#include "app/lists/wordpanel.h"
#include "article/view/articlepanel.h"
#include "article/view/articlerenderer.h"
#include "article/view/bookmark.h"
#include "article/view/historykeeper.h"
#include "article/view/linkfollower.h"
#include "article/view/stepnavigator.h"

#include <QAction>
#include <QLabel>
#include <QToolButton>

namespace lumolex {

ArticleLink::ArticleLink(TFormLumoLex *window)
    : QObject(window)
{
    const auto findWord = [window](qint32 id) { window->FindWord(id); };
    ToolBarPanel *top = window->PanelTop;
    MainMenu *menu = window->menu;

    steps = new StepNavigator(findWord, this);
    steps->setStepControls(CommandGroup{top->SpeedButtonBack, menu->MainMenuBack},
                           CommandGroup{top->SpeedButtonForward, menu->MainMenuForward});
    connect(top->SpeedButtonBack, &QToolButton::clicked, steps, &StepNavigator::SpeedButtonBackClick);
    connect(menu->MainMenuBack, &QAction::triggered, steps, &StepNavigator::SpeedButtonBackClick);
    connect(top->SpeedButtonForward, &QToolButton::clicked, steps, &StepNavigator::SpeedButtonForwardClick);
    connect(menu->MainMenuForward, &QAction::triggered, steps, &StepNavigator::SpeedButtonForwardClick);

    ArticleRenderContext context;
    context.articles = window->ClientDataSet1;
    context.panel = window->PanelTransl;
    context.wordBox = window->PanelWord->EditWord;
    context.wordList = window->PanelWord->DBGrid1;
    context.wordBoxGuard = &window->wordBoxGuard;
    context.steps = steps;
    context.font = [window] { return ArticleFont{window->settings.FontNameLumo, window->settings.FontSizeText}; };
    context.linkCommands.add(menu->MainMenuLink);
    context.findCommands.add(menu->MainMenuFind);
    context.towardStart = CommandGroup{window->PanelWord->ToolButtonFirst, window->PanelWord->ToolButtonPrev};
    context.towardEnd = CommandGroup{window->PanelWord->ToolButtonNext, window->PanelWord->ToolButtonLast};
    renderer = new ArticleRenderer(std::move(context), this);

    bookmark = new Bookmark(window->ClientDataSet1, findWord, steps, this);
    bookmark->setControls(ToggleControl(top->SpeedButtonBookmark), ToggleControl(menu->MainMenuBookmark));
    connect(top->SpeedButtonBookmark, &QToolButton::clicked, bookmark, &Bookmark::SpeedButtonBookmarkClick);
    connect(menu->MainMenuBookmark, &QAction::triggered, bookmark, &Bookmark::MainMenuBookmarkClick);

    histories = new HistoryKeeper(window->PanelWord->EditWord, window->PanelFind->EditFind, window->ClientDataSet1,
                                  window->messages(), this);
    connect(menu->MainMenuClearHist, &QAction::triggered, histories, &HistoryKeeper::MainMenuClearHistClick);

    links = new LinkFollower(window->ClientDataSet1, window->messages(),
                             [window](const QString &text) { window->sharedSearchText = text; }, this);
    // The caret position of the article view in the status bar.
    connect(window->PanelTransl, &ArticlePanel::caretPositionChanged, window->PanelStatus->StaticTextCurPos,
            &QLabel::setText);

    const auto follow = [this] { links->ToolButtonLinkClick(); };
    connect(window->PanelTransl->ToolButtonLink, &QToolButton::clicked, this, follow);
    connect(menu->MainMenuLink, &QAction::triggered, this, follow);
}

} // namespace lumolex
