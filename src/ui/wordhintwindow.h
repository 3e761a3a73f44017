#pragma once

// A small window that shows a whole word next to the mouse pointer when the
// word does not fit in its list (the word list and the search result list).

#include <QLabel>

namespace lumolex {

class WordHintWindow : public QLabel
{
    Q_OBJECT
public:
    explicit WordHintWindow(QWidget *parent = nullptr);

    // The rectangle the word needs in `font`, with one blank appended,
    // wrapped at the width of the screen under `pointer`, placed with its
    // left edge 3 pixels right of the pointer and its bottom edge 3 pixels
    // above it (screen coordinates).
    static QRect hintRect(const QString &word, const QFont &font, const QPoint &pointer);

    // Shows `word` in that rectangle, in `font` on `background`.
    void showWord(const QString &word, const QFont &font, const QColor &background, const QPoint &pointer);
};

} // namespace lumolex
