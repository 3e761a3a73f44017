#pragma once

// The colours an article carries (its text and highlight colours, stored in
// the body) are painted on whatever the view's palette gives: a dark theme
// turns the white page dark, and grey or navy text on it could no longer be
// read. Before an article is shown, every run of text whose colour falls
// below the minimum contrast on its background gets its colour moved just
// far enough (toward black or white, its hue kept); readable runs keep
// their colour.

class QColor;
class QTextDocument;
class QTextEdit;

namespace lumolex {

// `page` is the view's background and `text` the colour of runs without a
// colour of their own. Returns how many runs changed colour.
int keepArticleColoursReadable(QTextDocument *doc, const QColor &page, const QColor &text);

// The same, with the view's own page and text colours.
int keepArticleColoursReadable(QTextDocument *doc, const QTextEdit *view);

} // namespace lumolex
