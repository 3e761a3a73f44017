// Printing the current article under a card title: the whole article of the
// main view on as many pages as it needs, the job named after the headword,
// and nothing printed when the print dialog is cancelled.

#include "appfixture.h"

#include "app/window/cardlink.h"
#include "app/cards/cardprinter.h"
#include "app/window/mainmenu.h"
#include "article/view/articlepanel.h"
#include "article/view/richtextview.h"
#include "data/table/table.h"

#include <QAction>
#include <QFile>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextDocument>

#include <gtest/gtest.h>

#include <csignal>

#include <sys/resource.h>

using namespace lumolex;
using namespace lumolex::test;

namespace {

// Output of a poppler tool (poppler-utils, installed by scripts/setup).
QString popplerOutput(const QString &tool, const QStringList &arguments)
{
    const QString program = QStandardPaths::findExecutable(tool);
    if (program.isEmpty()) {
        ADD_FAILURE() << tool.toStdString() << " is not installed (scripts/setup installs poppler-utils)";
        return {};
    }
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

CardPrinter::ChoosePrinter pdfTo(const QString &path, bool *asked, qreal marginMm = 0)
{
    return [path, asked, marginMm](QPrinter &printer) {
        *asked = true;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setPageMargins(QMarginsF(marginMm, marginMm, marginMm, marginMm), QPageLayout::Millimeter);
        return true;
    };
}

// The top-left corner, in points, of the first word pdftotext finds.
QPointF firstWordAt(const QString &pdf)
{
    const QString boxes = popplerOutput(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    const QRegularExpressionMatch word =
        QRegularExpression(QStringLiteral("<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\"")).match(boxes);
    return word.hasMatch() ? QPointF(word.captured(1).toDouble(), word.captured(2).toDouble()) : QPointF(-1, -1);
}

class CardPrint : public StartedWindow
{
};

} // namespace

TEST_F(CardPrint, PrintsTheMainArticleUnderTheCardTitleAcrossPages)
{
    QTemporaryDir out;

    // The text stands over the printable area (the paper less the printer's
    // margins) and nothing is added: no margins of the program's own, no
    // page numbers.
    const struct {
        const char *what;
        int extraLines;      // lines appended to the shown article
        int minPages;
        qreal marginMm;      // the printer's margins
    } cases[] = {
        {"short article", 0, 1, 0},
        {"article longer than a page", 400, 3, 0},
        {"printer with 10 mm margins", 400, 3, 10},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        window->FindWord(8);
        QTextCursor cursor(window->PanelTransl->Editor->document());
        cursor.insertText(QStringLiteral("начало статьи\n"));
        cursor.movePosition(QTextCursor::End);
        for (int i = 0; i < c.extraLines; ++i)
            cursor.insertText(QStringLiteral("\nстрока %1").arg(i));
        const QString path = out.filePath(QString::fromLatin1(c.what).replace(' ', '_') + ".pdf");
        bool asked = false;
        window->cards->printer().setChoosePrinter(pdfTo(path, &asked, c.marginMm));
        window->menu->N27->trigger();
        ASSERT_TRUE(asked);
        ASSERT_TRUE(QFile::exists(path));

        const QString text = popplerOutput(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
        EXPECT_TRUE(text.contains(QStringLiteral("начало статьи"))) << text.left(200).toStdString();
        if (c.extraLines) {
            EXPECT_TRUE(text.contains(QStringLiteral("строка 0")));
            EXPECT_TRUE(text.contains(QStringLiteral("строка %1").arg(c.extraLines - 1)));
        }
        const QString info = popplerOutput(QStringLiteral("pdfinfo"), {path});
        EXPECT_TRUE(info.contains(QStringLiteral("Печать карточки слова - лес"))) << info.toStdString();
        const QRegularExpressionMatch pages = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info);
        ASSERT_TRUE(pages.hasMatch());
        EXPECT_GE(pages.captured(1).toInt(), c.minPages);
        EXPECT_TRUE(QRegularExpression(QStringLiteral("Page size:\\s+595[.\\d]* x 84[12][.\\d]* pts")).match(info).hasMatch())
            << info.toStdString();

        const qreal margin = c.marginMm * 72 / 25.4;
        const QPointF first = firstWordAt(path);
        EXPECT_NEAR(first.x(), margin, 1.5);
        EXPECT_GE(first.y(), margin - 0.5);
        EXPECT_LT(first.y(), margin + 20);   // the first line's own height only, no 2 cm
        const QString layout = popplerOutput(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
        const QRegularExpression pageNumber(QStringLiteral("^\\s*\\d+\\s*$"));
        for (const QString &line : layout.split(u'\n'))
            EXPECT_FALSE(pageNumber.match(line).hasMatch()) << "a page number: " << line.toStdString();
    }
}

TEST_F(CardPrint, CancellingTheDialogPrintsNothing)
{
    QTemporaryDir out;
    const QString path = out.filePath(QStringLiteral("cancelled.pdf"));
    bool asked = false;
    window->cards->printer().setChoosePrinter([&](QPrinter &printer) {
        asked = true;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        return false;
    });
    window->menu->N27->trigger();
    EXPECT_TRUE(asked);
    EXPECT_FALSE(QFile::exists(path));
}

// A print to a file on a full disk: the writes beyond a file size limit fail
// as they do there. The failure is told and the cut-off file removed; a
// print that fits is left as it is, without a word.
TEST_F(CardPrint, PrintToAFileThatCannotBeWrittenWholeSaysSoAndRemovesIt)
{
    QTemporaryDir out;
    const struct {
        const char *what;
        rlim_t sizeLimit;   // RLIM_INFINITY: no limit
        bool printed;
    } cases[] = {
        {"room enough", RLIM_INFINITY, true},
        {"disk full after 3000 bytes", 3000, false},
    };
    window->FindWord(8);
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        const size_t before = fixture.messages().size();
        const QString path = out.filePath(QString::fromLatin1(c.what).replace(' ', '_') + ".pdf");
        bool asked = false;
        window->cards->printer().setChoosePrinter(pdfTo(path, &asked));
        rlimit saved {};
        ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
        rlimit limited = saved;
        limited.rlim_cur = c.sizeLimit;
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN); // a failed write instead of the signal
        ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limited), 0);
        window->menu->N27->trigger();
        ::setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, oldHandler);

        ASSERT_TRUE(asked);
        EXPECT_EQ(QFile::exists(path), c.printed);
        ASSERT_EQ(fixture.messages().size(), before + (c.printed ? 0 : 1));
        if (!c.printed) {
            EXPECT_TRUE(fixture.messages().back().text.contains(QStringLiteral("не напечатана")))
                    << fixture.messages().back().text.toStdString();
        }
    }
}
