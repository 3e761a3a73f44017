#include "app/window/fontapplication.h"

#include "app/search/findpanel.h"
#include "app/window/formlumolex.h"
#include "app/lists/resultlistbox.h"
#include "app/lists/wordlistview.h"
#include "app/lists/wordpanel.h"
#include "article/articledocument.h"
#include "article/view/articlepanel.h"
#include "article/view/examplespanel.h"

#include <QComboBox>
#include <QLayout>

namespace lumolex {

void FontApplication::run()
{
    const Settings &settings = m_window->settings;
    QFont listFont(settings.FontNameLumo);
    listFont.setPointSize(settings.FontSizeList);

    // The word list and the word box: rows of the font's pixel height plus 8.
    WordPanel *word = m_window->PanelWord;
    word->applyListFont(listFont);
    word->DBGrid1->viewport()->update();

    // The result list measures every row again in the new font.
    ResultListBox *results = m_window->PanelFind->ListBoxFind;
    results->setFont(listFont);
    results->doItemsLayout();
    results->viewport()->update();

    m_window->PanelFind->EditFind->setFont(listFont);

    const ArticleFont textFont{settings.FontNameLumo, settings.FontSizeText};
    m_window->PanelTransl->applyFont(textFont);
    m_window->PanelPhrase->applyFont(textFont);

    // The left panel and its children take their new sizes at once.
    if (QLayout *layout = word->layout()) {
        layout->invalidate();
        layout->activate();
    }
}

} // namespace lumolex
