// Font application on the real window and the settings dialog opened from
// the menu: row heights, caret, the repaint of the lists.

#include "appfixture.h"

#include "app/search/findpanel.h"
#include "app/setup/formsetup.h"
#include "app/window/mainmenu.h"
#include "app/lists/resultlistbox.h"
#include "app/window/setuplink.h"
#include "app/lists/wordlistview.h"
#include "app/lists/wordpanel.h"
#include "data/wordlist/wordlistmodel.h"
#include "article/view/articlepanel.h"
#include "article/view/examplespanel.h"
#include "article/view/richtextview.h"
#include "ui/clampedspinbox.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFontInfo>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>

#include <functional>
#include <gtest/gtest.h>

namespace lumolex {
namespace {

using test::AppFixture;

int pixelHeight(const QString &family, int points)
{
    QFont font(family);
    font.setPointSize(points);
    return QFontInfo(font).pixelSize();
}

// Counts the paint events a widget receives.
class PaintCounter : public QObject
{
public:
    explicit PaintCounter(QWidget *widget) { widget->installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++count;
        return false;
    }
};

// Opens the settings dialog from the menu, runs `work` in it while it is
// open, and returns when it has closed.
void withSetupDialog(TFormLumoLex *w, std::function<void(TFormSetup *)> work)
{
    bool ran = false;
    auto connection = QObject::connect(w->setup, &SetupLink::dialogOpened, w, [&](TFormSetup *dialog) {
        QMetaObject::invokeMethod(dialog, [&, dialog] {
            ran = true;
            work(dialog);
        }, Qt::QueuedConnection);
    });
    w->menu->MainMenuSetup->trigger();
    QObject::disconnect(connection);
    EXPECT_TRUE(ran);
    EXPECT_FALSE(w->setup->FormSetup);   // destroyed on closing
}

TEST(SetFonts, RowsAreTheFontHeightPlus8AndTheCaretStays)
{
    AppFixture app;
    TFormLumoLex *w = app.start();
    ASSERT_TRUE(w->started());
    w->PanelFind->ListBoxFind->setResults({{1, 1, QStringLiteral("дом")}, {4, 1, QStringLiteral("кот")}});
    RichTextView *view = w->PanelTransl->Editor;
    view->setPlainText(QStringLiteral("первая строка статьи\nвторая строка статьи"));

    const int sizes[] = {8, 12, 20, 72};
    for (int size : sizes) {
        SCOPED_TRACE(size);
        QTextCursor cursor(view->document());
        cursor.setPosition(7);
        cursor.setPosition(12, QTextCursor::KeepAnchor);   // a selection ending at 12
        view->setTextCursor(cursor);

        w->settings.FontSizeList = size;
        w->settings.FontSizeText = size;
        w->SetFonts();

        const int rows = pixelHeight(w->settings.FontNameLumo, size) + 8;
        EXPECT_EQ(w->PanelWord->DBGrid1->rowHeight(), rows);
        EXPECT_EQ(w->PanelWord->DBGrid1->visualRect(w->PanelWord->model()->index(0, 0)).height(), rows);
        for (int row = 0; row < 2; ++row)
            EXPECT_EQ(w->PanelFind->ListBoxFind->visualItemRect(w->PanelFind->ListBoxFind->item(row)).height(), rows);
        EXPECT_EQ(view->textCursor().position(), 12);
        EXPECT_FALSE(view->textCursor().hasSelection());
        EXPECT_EQ(view->document()->firstBlock().begin().fragment().charFormat().fontPointSize(), size);
        EXPECT_EQ(view->font().pointSize(), size);
        EXPECT_EQ(w->PanelPhrase->EditorPhrase->font().pointSize(), size);
        EXPECT_EQ(w->PanelWord->EditWord->font().pointSize(), size);
        EXPECT_EQ(w->PanelFind->EditFind->font().pointSize(), size);
    }
}

TEST(SetupFromMenu, OpensModalAndACardSizeAloneAppliesTheFonts)
{
    // Return at once changing nothing is the dialog tests' matter.
    AppFixture app;
    TFormLumoLex *w = app.start();
    ASSERT_TRUE(w->started());
    ASSERT_TRUE(w->menu->MainMenuSetup->isEnabled());

    // Only the card font size: font application runs for the main window.
    w->PanelWord->DBGrid1->setRowHeight(5);
    withSetupDialog(w, [](TFormSetup *d) {
        EXPECT_TRUE(d->isModal());
        EXPECT_EQ(d->windowTitle(), QStringLiteral("Настройки"));
        d->SpinEditFontSizeCard->setValue(15);
        d->SpeedButtonOk->click();
        EXPECT_TRUE(d->lastApply().fonts);
    });
    EXPECT_EQ(w->settings.FontSizeCard, 15);
    EXPECT_EQ(w->PanelWord->DBGrid1->rowHeight(), pixelHeight(w->settings.FontNameLumo, w->settings.FontSizeList) + 8);
}

TEST(SetupFromMenu, AChangedColourRepaintsBothLists)
{
    const struct {
        const char *what;
        std::function<void(SetupValues &)> change;
        bool repaint;
    } cases[] = {
        {"colour only", [](SetupValues &v) { v.ColorEvenLines = 0x00FF00; }, true},
        {"even lines only", [](SetupValues &v) { v.EvenLines = false; }, true},
        {"nothing", [](SetupValues &) {}, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        AppFixture app;
        TFormLumoLex *w = app.start();
        w->PanelFind->show();
        w->PanelFind->ListBoxFind->setResults({{1, 1, QStringLiteral("дом")}});
        QApplication::processEvents();
        PaintCounter grid(w->PanelWord->DBGrid1->viewport());
        PaintCounter results(w->PanelFind->ListBoxFind->viewport());
        SetupValues values = SetupValues::of(w->settings);
        c.change(values);
        SetupApply(&w->settings, w->setup->actions()).apply(values);
        QApplication::processEvents();
        EXPECT_EQ(grid.count > 0, c.repaint);
        EXPECT_EQ(results.count > 0, c.repaint);
    }
}

} // namespace
} // namespace lumolex
