// The real message boxes: text, title, icon and buttons.
#include "article/view/messageboxes.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <gtest/gtest.h>

using namespace lumolex;

namespace {

struct SeenBox {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
};

// Looks at the modal box as soon as it is shown and presses `press`.
void answerNextBox(SeenBox *seen, QMessageBox::StandardButton press)
{
    QTimer::singleShot(0, [seen, press] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        seen->title = box->windowTitle();
        seen->text = box->text();
        seen->icon = box->icon();
        seen->buttons = box->standardButtons();
        box->button(press)->click();
    });
}

} // namespace

TEST(DialogMessageBoxes, ErrorHasTheErrorIconAndOk)
{
    DialogMessageBoxes boxes;
    SeenBox seen;
    answerNextBox(&seen, QMessageBox::Ok);
    boxes.error(QStringLiteral("Идти на ссылку"), QStringLiteral("Нет ссылки на слово!"));
    EXPECT_EQ(seen.title, QStringLiteral("Идти на ссылку"));
    EXPECT_EQ(seen.text, QStringLiteral("Нет ссылки на слово!"));
    EXPECT_EQ(seen.icon, QMessageBox::Critical);
    EXPECT_EQ(seen.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
}

TEST(DialogMessageBoxes, QuestionHasYesAndNo)
{
    DialogMessageBoxes boxes;
    for (const bool yes : {true, false}) {
        SeenBox seen;
        answerNextBox(&seen, yes ? QMessageBox::Yes : QMessageBox::No);
        EXPECT_EQ(boxes.askYesNo(QStringLiteral("Лумолекс"), QStringLiteral("Очистить историю карточек и поиска?")), yes);
        EXPECT_EQ(seen.icon, QMessageBox::Question);
        EXPECT_EQ(seen.buttons, QMessageBox::Yes | QMessageBox::No);
        EXPECT_EQ(seen.title, QStringLiteral("Лумолекс"));
        EXPECT_EQ(seen.text, QStringLiteral("Очистить историю карточек и поиска?"));
    }
}
