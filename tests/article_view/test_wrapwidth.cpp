// Articles are laid out at the article view's width, whatever width the
// hidden scratch view had while the article was prepared.
#include "windowfixture.h"

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QTextBlock>
#include <QTextLayout>
#include <gtest/gtest.h>

using namespace lumolex;
using namespace lumolex::test;

namespace {

int displayLines(const QTextDocument &doc)
{
    int lines = 0;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        lines += b.layout()->lineCount();
    return lines;
}

} // namespace

TEST(ArticleLayout, ShortArticlesUseTheWholeWidthOfTheView)
{
    ArticleWindow w(articleTable({{1, 1, QStringLiteral("а"), rtfBody(QStringLiteral("один абзац"))},
                                  {2, 1, QStringLiteral("б"), rtfBody(QStringLiteral("первый\nвторой"))},
                                  {3, 1, QStringLiteral("в"), rtfBody(QStringLiteral("ещё один абзац"))}}));
    w.window.resize(800, 600);
    w.window.show();
    QCoreApplication::processEvents();
    for (int step = 0; step < 3; ++step) {
        SCOPED_TRACE(step);
        if (step == 0)
            w.articles->first();
        else
            w.articles->next();
        QCoreApplication::processEvents();
        QTextDocument *doc = w.panel->Editor->document();
        EXPECT_GT(doc->textWidth(), 300) << doc->textWidth();
        EXPECT_EQ(displayLines(*doc), doc->blockCount()) << qPrintable(doc->toPlainText());
    }
}
