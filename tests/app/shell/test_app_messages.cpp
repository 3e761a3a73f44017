// The message boxes the user sees: caption, text, icon, buttons, the
// answer and room for the whole caption, read from each box while it is open.

#include "app/shell/appmessages.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFontMetrics>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>

namespace lumolex {
namespace {

struct SeenBox {
    QString title;
    QString text;
    Qt::TextFormat format = Qt::AutoText;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QWidget *parent = nullptr;
    bool modal = false;
    int width = 0;
};

// Reads the modal box as soon as it is open, then presses `press`.
void answerNextBox(SeenBox *seen, QMessageBox::StandardButton press)
{
    QTimer::singleShot(0, [seen, press] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        *seen = {box->windowTitle(), box->text(), box->textFormat(), box->icon(), box->standardButtons(),
                 box->parentWidget(), box->isModal(), box->width()};
        if (QAbstractButton *button = box->button(press))
            button->click();
        else
            box->reject();
    });
}

TEST(DialogAppMessageBoxes, EachBoxShowsItsCaptionTextIconAndButtons)
{
    QWidget window;
    DialogAppMessageBoxes boxes(&window);
    using Ask = std::function<bool(DialogAppMessageBoxes &)>;
    const QString path = QStringLiteral("/home/user/<b>словарь</b>/DATA/lumolex.db");
    const struct {
        const char *name;
        Ask ask;
        QString title;
        QString text;
        QMessageBox::Icon icon;
        QMessageBox::StandardButtons buttons;
        QMessageBox::StandardButton press;
        bool answer;
    } cases[] = {
        {"plain", [](auto &b) { b.show(QMessageBox::NoIcon, "Лумолекс", "Файл базы данных 2 не найден"); return false; },
         "Лумолекс", "Файл базы данных 2 не найден", QMessageBox::NoIcon, QMessageBox::Ok, QMessageBox::Ok, false},
        {"warning", [](auto &b) { b.show(QMessageBox::Warning, "Лумолекс", "Программа уже запущена !"); return false; },
         "Лумолекс", "Программа уже запущена !", QMessageBox::Warning, QMessageBox::Ok, QMessageBox::Ok, false},
        // A path that looks like markup is shown as it is written.
        {"error", [path](auto &b) { b.error("Лумолекс", "Файл " + path + " повреждён"); return false; },
         "Лумолекс", "Файл " + path + " повреждён", QMessageBox::Critical, QMessageBox::Ok, QMessageBox::Ok, false},
        {"question, yes", [](auto &b) { return b.askYesNo("Лумолекс", "Очистить историю карточек и поиска?"); },
         "Лумолекс", "Очистить историю карточек и поиска?", QMessageBox::Question, QMessageBox::Yes | QMessageBox::No,
         QMessageBox::Yes, true},
        {"question, no", [](auto &b) { return b.askYesNo("Лумолекс", "Очистить историю карточек и поиска?"); },
         "Лумолекс", "Очистить историю карточек и поиска?", QMessageBox::Question, QMessageBox::Yes | QMessageBox::No,
         QMessageBox::No, false},
        // A title longer than the text.
        {"long title", [](auto &b) { b.show(QMessageBox::Warning, "Поиск в словарях", "Не найдено!"); return false; },
         "Поиск в словарях", "Не найдено!", QMessageBox::Warning, QMessageBox::Ok, QMessageBox::Ok, false},
    };
    // The window manager draws the title, often bold, beside the window's
    // icon and three buttons about as wide as a line of it is high.
    QFont titleFont = QApplication::font("QMdiSubWindowTitleBar");
    titleFont.setBold(true);
    const QFontMetrics title(titleFont);
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        SeenBox seen;
        answerNextBox(&seen, c.press);
        EXPECT_EQ(c.ask(boxes), c.answer);
        EXPECT_EQ(seen.title, c.title);
        EXPECT_EQ(seen.text, c.text);
        EXPECT_EQ(seen.format, Qt::PlainText);
        EXPECT_EQ(seen.icon, c.icon);
        EXPECT_EQ(seen.buttons, c.buttons);
        EXPECT_EQ(seen.parent, &window);
        EXPECT_TRUE(seen.modal);
        EXPECT_GE(seen.width, title.horizontalAdvance(c.title) + 4 * title.height());
    }
}

} // namespace
} // namespace lumolex
