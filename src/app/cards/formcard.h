#pragma once

// Folder app/cards: the word card windows, the bookkeeping of the open cards
// (count, cascade positions, the card single-card mode refills) and the
// printing of a card. It may use article, article/view, rtf and ui; no other
// folder of app/.

// A word card TFormCard: a small window in front of the main window showing
// one article as the main article view showed it when the card was filled,
// in the card's own point size. The card never reads the tables: it gets a
// copy of the article's document and remembers the article's ID in the tag
// of its goto button.
//
// The card is a tool window of the main window: it stays in front of it, has
// no task bar button and is hidden and shown with it. It is destroyed when it
// closes.

#include <QWidget>

class QAction;
class QMenu;
class QTextDocument;
class QToolBar;
class QToolButton;

namespace lumolex {

class RichTextView;

class TFormCard : public QWidget
{
    Q_OBJECT
public:
    explicit TFormCard(QWidget *mainWindow);

    QToolBar *ToolBar1;
    QToolButton *ToolButtonGoto;     // "Синхронизировать список"; its tag is the article's ID
    QWidget *ToolButton2;            // 8-pixel separator
    QToolButton *ToolButton3;        // "Закрыть карточку слова (Esc)"
    RichTextView *Editor;
    QMenu *PMenuEdit;
    QAction *PMenuEditCopy;          // "Копировать"

    // Shows a copy of `article` under the caption `word`, every character in
    // `pointSize` points, paragraphs indented by 1 point on the first line
    // and on the right, the caret at the start. The icon becomes the
    // dictionary's; an unknown dictionary leaves the icon as it was.
    void fill(const QString &word, const QTextDocument &article, int id, int dict, int pointSize);
    // The ID of the article shown (0 before the first fill).
    int articleId() const;

    void ToolButtonGotoClick();
    void ToolButton3Click();
    void PMenuEditPopup();
    void PMenuEditCopyClick();
    void SetEditRect();

signals:
    // The goto button: locate this article in the main window.
    void gotoArticle(int id);
    // The card is closing, for whatever reason; it is destroyed next.
    void closing(TFormCard *card);
    // The card became visible.
    void shown(TFormCard *card);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    bool FormKeyPress(const QKeyEvent &event);   // true when the key was used
};

} // namespace lumolex
