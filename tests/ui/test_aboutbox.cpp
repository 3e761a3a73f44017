// The About box and the splash box: the free-memory line, closing keys, the
// site link, the boxes' contents.
#include "ui/aboutbox.h"
#include "ui/formabout.h"
#include "ui/formsplash.h"

#include <QImage>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace lumolex;

TEST(AboutBox, FreeMemoryLineCountsThousandsOfBytesWithoutWrapping)
{
    const struct { std::optional<quint64> bytes; const char *line; } cases[] = {
        {3221225472ull, "Свободно RAM: 3221225 Кб"},
        {4294967295ull, "Свободно RAM: 4294967 Кб"},
        {4294967296ull, "Свободно RAM: 4294967 Кб"},
        {17179869184ull, "Свободно RAM: 17179869 Кб"},     // 16 GiB
        {999ull, "Свободно RAM: 0 Кб"},
        {std::nullopt, "Свободно RAM: нет сведений"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(freeMemoryLine(c.bytes), QString::fromUtf8(c.line)) << c.line;
}

TEST(AboutBox, EnterEscAndOkCloseIt)
{
    const struct { const char *how; std::function<void(TFormAbout *)> act; bool closes; } cases[] = {
        {"Enter", [](TFormAbout *b) { QTest::keyClick(b, Qt::Key_Return); }, true},
        {"keypad Enter", [](TFormAbout *b) { QTest::keyClick(b, Qt::Key_Enter); }, true},
        {"Esc", [](TFormAbout *b) { QTest::keyClick(b, Qt::Key_Escape); }, true},
        {"Ok", [](TFormAbout *b) { b->SpeedButtonOk->click(); }, true},
        {"a letter", [](TFormAbout *b) { QTest::keyClick(b, Qt::Key_A); }, false},
    };
    for (const auto &c : cases) {
        QPointer<TFormAbout> box = new TFormAbout;
        box->availableMemory = [] { return std::optional<quint64>(3221225472ull); };
        box->show();
        c.act(box);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(box.isNull(), c.closes) << c.how;   // destroyed on close
        delete box.data();
    }
}

TEST(AboutBox, ShowsFactsRefreshesMemoryAndOpensTheSite)
{
    auto *box = new TFormAbout;
    quint64 memory = 3221225472ull;
    box->availableMemory = [&] { return std::optional<quint64>(memory); };
    QList<QUrl> opened;
    box->openUrl = [&](const QUrl &url) { opened.append(url); };
    box->show();
    EXPECT_EQ(box->size(), QSize(490, 280));
    EXPECT_TRUE(box->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(box->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(box->LabelName->geometry().center().x(), QRect(76, 40, 185, 90).center().x());
    EXPECT_GE(box->LabelName->width(), 185);
    EXPECT_EQ(box->LabelVer->text(), QStringLiteral("Версия 3.1"));
    EXPECT_TRUE(box->LabelSources->text().contains(QStringLiteral("CC BY 3.0")));
    EXPECT_EQ(box->LabelFreeRam->text(), QStringLiteral("Свободно RAM: 3221225 Кб"));
    memory = 8589934592ull;
    QTest::qWait(1200);
    EXPECT_EQ(box->LabelFreeRam->text(), QStringLiteral("Свободно RAM: 8589934 Кб"));

    QTest::mouseClick(box->LabelSite, Qt::LeftButton);
    ASSERT_EQ(opened.size(), 1);
    EXPECT_EQ(opened[0], QUrl(QStringLiteral("https://github.com/lumolex/lumolex")));
    delete box;
}

TEST(SplashBox, ShowsAtOnceWithTheFacts)
{
    TFormSplash splash;
    splash.showNow();
    EXPECT_TRUE(splash.isVisible());
    EXPECT_EQ(splash.size(), QSize(490, 280));
    EXPECT_EQ(splash.LabelName->y(), 52);
    EXPECT_EQ(splash.LabelSite->text(), QStringLiteral("Сайт поддержки: https://github.com/lumolex/lumolex"));
    EXPECT_EQ(splash.LabelCopyright->pos(), QPoint(20, 242));
}

namespace {

// Where the label draws its text, measured with its own font.
QRect textRect(const QLabel *label)
{
    const int flags = int(label->alignment()) | (label->wordWrap() ? int(Qt::TextWordWrap) : 0);
    return label->fontMetrics().boundingRect(label->contentsRect(), flags, label->text())
        .translated(label->pos());
}

// Every text of a box whole inside its label, on the box, clear of the
// other texts and of `button`, over a calm part of the picture (no twig,
// stone or reindeer under it: nothing darker than the pale sky there).
void expectTextsWholeAndClear(QWidget *box, const QList<QLabel *> &labels, QWidget *button)
{
    const QImage picture = aboutPicture().toImage();
    const qreal ratio = aboutPicture().devicePixelRatio();
    QList<QRect> taken;
    if (button)
        taken << button->geometry();
    for (const QLabel *label : labels) {
        SCOPED_TRACE(label->objectName().toStdString());
        const QRect text = textRect(label);
        EXPECT_TRUE(label->geometry().contains(text))
            << "text " << text.width() << "x" << text.height() << " in " << label->width() << "x" << label->height();
        EXPECT_TRUE(box->rect().contains(label->geometry()));
        for (const QRect &other : taken)
            EXPECT_FALSE(other.intersects(text)) << "drawn over by another element";
        taken << text;
        int darkest = 255;
        for (int y = text.top(); y <= text.bottom(); ++y)
            for (int x = text.left(); x <= text.right(); ++x)
                darkest = qMin(darkest, QColor(picture.pixel(QPoint(x, y) * ratio)).lightness());
        EXPECT_GE(darkest, 150) << "the picture draws over the text";
    }
}

} // namespace

TEST(AboutBoxLayout, EveryTextIsWholeAndClearOfThePictureAndTheButton)
{
    // Run at scale factors 1 and 2 (CTest runs this test again with
    // QT_SCALE_FACTOR=2).
    {
        SCOPED_TRACE("About box");
        TFormAbout box;
        box.availableMemory = [] { return std::optional<quint64>(17179869184ull); };
        box.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
        expectTextsWholeAndClear(&box,
                                 {box.LabelName, box.LabelVer, box.LabelSite, box.LabelCopyright, box.LabelSources,
                                  box.LabelFreeRam},
                                 box.SpeedButtonOk);
        // "Ok" is a button that looks like one, its text whole.
        auto *ok = qobject_cast<QPushButton *>(box.SpeedButtonOk);
        ASSERT_NE(ok, nullptr);
        EXPECT_FALSE(ok->isFlat());
        EXPECT_GE(ok->width(), ok->sizeHint().width());
        EXPECT_GE(ok->height(), ok->sizeHint().height());
        EXPECT_TRUE(box.rect().contains(ok->geometry()));
    }
    {
        SCOPED_TRACE("splash box");
        TFormSplash splash;
        splash.showNow();
        expectTextsWholeAndClear(&splash, {splash.LabelName, splash.LabelVer, splash.LabelSite, splash.LabelCopyright},
                                 nullptr);
    }
}
