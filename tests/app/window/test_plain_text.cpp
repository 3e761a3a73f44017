// Values read from the data files reach labels, hints, menu captions and
// message boxes as written: a value that looks like markup is never drawn
// as markup.

#include "appfixture.h"

#include "app/shell/appmessages.h"
#include "app/window/mainmenu.h"
#include "app/shell/statuspanel.h"
#include "app/window/toolbarpanel.h"
#include "app/lists/wordlistview.h"
#include "app/lists/wordpanel.h"
#include "article/view/articlepanel.h"
#include "data/table/table.h"
#include "ui/tmhint.h"
#include "ui/wordhintwindow.h"

#include <QAction>
#include <QApplication>
#include <QHelpEvent>
#include <QLabel>
#include <QMessageBox>
#include <QTextDocument>
#include <QTimer>
#include <QToolButton>
#include <QToolTip>

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <functional>

namespace lumolex {
namespace {

const QString kMarkupWord = QStringLiteral("<b>очень-очень-длинное-жирное-слово-списка</b>");
const QString kMarkupGoto = QStringLiteral("<i>кот</i> &amp; <font color=red>дом</font>");
const QString kMarkupPerson = QStringLiteral("<u>Иванов</u> & <s>Петров</s>");

// The text a label or a tool tip draws for a text in a format.
QString drawnText(const QString &text, Qt::TextFormat format)
{
    const bool rich = format == Qt::RichText || (format == Qt::AutoText && Qt::mightBeRichText(text));
    if (!rich)
        return text;
    QTextDocument document;
    document.setHtml(text);
    return document.toPlainText();
}

QString drawnText(const QLabel &label)
{
    return drawnText(label.text(), label.textFormat());
}

std::vector<test::ArticleRow> articlesWithMarkup()
{
    std::vector<test::ArticleRow> articles = test::sampleArticles();
    articles.push_back({17, 1, kMarkupWord, kMarkupGoto});
    return articles;
}

class PlainTextTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        sqlite3 *db = nullptr;
        const QByteArray path = QFile::encodeName(app.folder() + QStringLiteral("/DATA/lumolex.db"));
        ASSERT_EQ(sqlite3_open(path.constData(), &db), SQLITE_OK);
        const QByteArray update = "UPDATE credits SET PERSON = '" + kMarkupPerson.toUtf8() + "' WHERE DICT = 1";
        EXPECT_EQ(sqlite3_exec(db, update.constData(), nullptr, nullptr, nullptr), SQLITE_OK);
        sqlite3_close(db);

        w = app.start();
        ASSERT_TRUE(w->started());
        w->FindWord(17);
        ASSERT_EQ(test::currentId(*w->ClientDataSet1), 17);
    }

    test::AppFixture app{articlesWithMarkup()};
    TFormLumoLex *w = nullptr;
};

// The text a message box shows while it is open.
QString drawnMessage(const std::function<void()> &open)
{
    QString drawn;
    QTimer::singleShot(0, [&drawn] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        drawn = drawnText(box->text(), box->textFormat());
        box->done(QMessageBox::Ok);
    });
    open();
    return drawn;
}

TEST_F(PlainTextTest, DataValuesAreDrawnAsWrittenEverywhere)
{
    TMHint hints;
    WordPanel *words = w->PanelWord;
    QToolButton *dictButton = w->PanelTop->SpeedButtonDict1;
    const QString fileProblem = QStringLiteral("Файл <b>/home/анна/DATA/lumolex.db</b> повреждён");

    const struct { const char *place; std::function<QString()> drawn; QString expected; } places[] = {
        {"cross-reference line", [&] { return drawnText(*w->PanelTransl->StaticTextLink); },
         QLatin1Char(' ') + kMarkupGoto + QLatin1Char(' ')},
        {"word hint", [&] {
             words->DBGrid1->viewport()->grab();   // draws the rows; the word is on the first
             words->DBGrid1MouseMove(QPoint(30, words->DBGrid1->rowHeight() / 2));
             return words->hintWindow() ? drawnText(*words->hintWindow()) : QString();
         }, kMarkupWord},
        {"dictionary button hint", [&] {
             const QPoint at = dictButton->rect().center();
             QHelpEvent help(QEvent::ToolTip, at, dictButton->mapToGlobal(at));
             QApplication::sendEvent(dictButton, &help);
             return drawnText(QToolTip::text(), Qt::AutoText);
         }, QStringLiteral("Саамско-русский словарь (кильдинский диалект) \nПод редакцией ") + kMarkupPerson},
        {"dictionary menu item", [&] { return w->menu->MainMenuDict1->iconText(); },
         QStringLiteral("Саамско-русский словарь. Под редакцией ") + kMarkupPerson},
        {"message box", [&] {
             DialogAppMessageBoxes boxes(w);
             return drawnMessage([&] { boxes.show(QMessageBox::Critical, QStringLiteral("Лумолекс"), fileProblem); });
         }, fileProblem},
        {"question box", [&] {
             DialogAppMessageBoxes boxes(w);
             return drawnMessage([&] { boxes.askYesNo(QStringLiteral("Лумолекс"), fileProblem); });
         }, fileProblem},
        {"status bar cell", [&] {
             w->PanelStatus->StaticTextLang->setText(kMarkupPerson);
             return drawnText(*w->PanelStatus->StaticTextLang);
         }, kMarkupPerson},
    };
    for (const auto &place : places) {
        SCOPED_TRACE(place.place);
        EXPECT_EQ(place.drawn().toStdString(), place.expected.toStdString());
    }
    QToolTip::hideText();
}

} // namespace
} // namespace lumolex
