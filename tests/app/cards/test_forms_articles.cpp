// The articles of the forms dictionary as the user sees them, from the
// sample data: a noun's case table and a verb's person table with their
// labels, each table row a line whose cells sit on tab stops, in the
// article view, in a card and in print.

#include "appfixture.h"

#include "app/cards/cardprinter.h"
#include "app/cards/formcard.h"
#include "app/window/cardlink.h"
#include "app/window/mainmenu.h"
#include "app/window/toolbarpanel.h"
#include "article/view/articlepanel.h"
#include "article/view/richtextview.h"
#include "data/files/sqlitedb.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace lumolex;
using namespace lumolex::test;

namespace {

const struct FormsCase {
    const char *headword;
    const char *lines[4];   // lines of the article, each whole, cells split by tabs
} kCases[] = {
    {"аббьр",
     {"аббьр сущ. дождь м.", "\tед. ч.\tмн. ч.", "род.\tаббьр\tаббьрэ, аббьрэтҍ", "дат.-напр. (Ill)\tаббьре\tаббьрэтҍ"}},
    {"аббрэ",
     {"\t\t1 л.\t2 л.\t3 л.", "изъяв. наст.\tед. ч.\tаббра\tаббрак, аббрах\tаббр", "\tмн. ч.\tаббрэпь\tаббрбэдтӭ\tаббрэв",
      "инф.\tаббрэ"}},
};

// Every expected line is a line of the document, and every line with cells
// has a tab stop for each of them.
void expectTable(const QTextDocument *document, const FormsCase &c)
{
    const QStringList lines = document->toPlainText().split(u'\n');
    for (const char *line : c.lines)
        EXPECT_TRUE(lines.contains(QString::fromUtf8(line))) << line << "\n in:\n" << document->toPlainText().toStdString();
    int rows = 0;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        const int cells = int(block.text().count(u'\t'));
        if (cells == 0)
            continue;
        ++rows;
        EXPECT_GE(block.blockFormat().tabPositions().size(), cells) << block.text().toStdString();
    }
    EXPECT_GE(rows, 5);
}

QString pdfText(const QString &path)
{
    const QString program = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (program.isEmpty()) {
        ADD_FAILURE() << "pdftotext is not installed (scripts/setup installs poppler-utils)";
        return {};
    }
    QProcess process;
    process.start(program, {QStringLiteral("-layout"), path, QStringLiteral("-")});
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

class FormsArticles : public StartedWindow
{
protected:
    // The window runs over a copy of the sample data.
    void beforeStart() override
    {
        const QDir sample(QStringLiteral(LUMOLEX_SAMPLE_DATA_DIR));
        const QDir data(fixture.folder() + QStringLiteral("/DATA"));
        for (const char *name : {"lumolex.db", "lumoword.db", "lumophra.db"}) {
            const QString file = QString::fromLatin1(name);
            QFile::remove(data.filePath(file));
            ASSERT_TRUE(QFile::copy(sample.filePath(file), data.filePath(file))) << name;
        }
    }

    int formsArticleId(const char *headword)
    {
        sqlite::Database db;
        EXPECT_TRUE(db.openReadOnly(QStringLiteral(LUMOLEX_SAMPLE_DATA_DIR) + QStringLiteral("/lumolex.db")));
        sqlite::Statement find(db, "SELECT ID FROM articles WHERE DICT = 4 AND WORD = ?");
        find.bindText(1, QString::fromUtf8(headword));
        return find.next() ? int(find.columnInt(0)) : 0;
    }
};

} // namespace

TEST_F(FormsArticles, TablesInTheViewACardAndPrint)
{
    QTemporaryDir out;
    for (const FormsCase &c : kCases) {
        SCOPED_TRACE(c.headword);
        const int id = formsArticleId(c.headword);
        ASSERT_GT(id, 0);
        window->FindWord(id);
        {
            SCOPED_TRACE("article view");
            expectTable(window->PanelTransl->Editor->document(), c);
        }

        window->PanelTop->SpeedButtonOpenCard->click();
        TFormCard *card = nullptr;
        for (TFormCard *open : window->cards->cards())
            card = open->articleId() == id ? open : card;
        ASSERT_NE(card, nullptr);
        {
            SCOPED_TRACE("card");
            expectTable(card->Editor->document(), c);
        }

        const QString path = out.filePath(QStringLiteral("%1.pdf").arg(id));
        window->cards->printer().setChoosePrinter([path](QPrinter &printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(path);
            return true;
        });
        window->menu->N27->trigger();
        const QString printed = pdfText(path);
        SCOPED_TRACE("print");
        // The cells of a row stay on one printed line, in their order.
        for (const char *line : c.lines) {
            QStringList cells;
            for (const QString &cell : QString::fromUtf8(line).split(u'\t', Qt::SkipEmptyParts))
                cells.append(QRegularExpression::escape(cell));
            EXPECT_TRUE(printed.contains(QRegularExpression(cells.join(QStringLiteral("[ \\t]+")))))
                << line << "\n in:\n" << printed.toStdString();
        }
    }
}
