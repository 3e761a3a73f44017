// The forward search of the find dialog over an article's text.

#include "search/articlefind.h"

#include <QTextDocument>

#include <gtest/gtest.h>

using namespace lumolex;

namespace {

TEST(ArticleFind, FindsForwardFromThePositionWithOrWithoutCase)
{
    QTextDocument document;
    document.setPlainText(QStringLiteral("абабаб Дом\nдом "));
    struct Case {
        QString what;
        int from;
        bool caseSensitive;
        int found;
    };
    const Case cases[] = {
        {QStringLiteral("аб"), 0, false, 0},
        {QStringLiteral("аб"), 2, false, 2},     // from the end of the previous match
        {QStringLiteral("аб"), 4, false, 4},
        {QStringLiteral("аб"), 6, false, -1},    // never wraps round to the start
        {QStringLiteral("бa"), 0, false, -1},
        {QStringLiteral("дом"), 0, false, 7},
        {QStringLiteral("дом"), 0, true, 11},
        {QStringLiteral("Дом"), 8, true, -1},
        {QStringLiteral("дом "), 0, false, 11},  // a trailing blank is part of the text
        {QStringLiteral("б Д"), 0, true, 5},
        {QString(), 0, false, -1},
        {QStringLiteral("аб"), 99, false, -1},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what.toStdString() + " from " + std::to_string(c.from));
        EXPECT_EQ(findForward(document, c.what, c.from, c.caseSensitive), c.found);
    }
}

} // namespace
