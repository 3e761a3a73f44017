#pragma once

// The article panel PanelTransl: caption, link bar and the article view.
//
// The panel owns its controls and the two documents that the article view
// and the hidden scratch view take turns to show: an article is prepared in
// the scratch view's document and then shown by handing that document to
// the article view, so the view never shows a half-prepared text.
// What is rendered, and when, is decided by ArticleRenderer.

#include "article/articledocument.h"
#include "article/caretposition.h"

#include <QFrame>
#include <QPointer>

class QComboBox;
class QLabel;
class QTextDocument;
class QTextEdit;
class QToolBar;
class QToolButton;

namespace lumolex {

class RichTextView;

class ArticlePanel : public QFrame
{
    Q_OBJECT
public:
    explicit ArticlePanel(QWidget *parent = nullptr);

    QLabel *LabelCaptionTransl;       // caption "Перевод" ("Фразы" for the phrasebook, set by the window)
    QToolBar *ToolBarTransl;          // link bar above the article
    QToolButton *ToolButtonLink;      // "Идти на ссылку", enabled by the record change
    QToolButton *ToolButtonFind;      // "Поиск в статье", enabled by the record change when there is a body
    QLabel *StaticTextLink;           // cross-reference line " GOTO "
    RichTextView *Editor;             // the article view
    QTextEdit *EditorTmp;             // hidden scratch view in which an article is prepared

    // Where letters typed in the article view are sent (the word box EditWord).
    void setWordBox(QComboBox *wordBox);

    // The scratch document, empty between record changes.
    QTextDocument *scratchDocument() const;
    // Shows the prepared scratch document in the article view in one step,
    // empties the scratch view, puts the caret at 0 and the view at its top.
    void showPreparedArticle();
    // Empties the article view (and the scratch view).
    void clearArticle();
    // Re-applies family and size to the view and the shown article, keeping
    // its caret (the selection goes).
    void applyFont(const ArticleFont &font);

    // Text margins of the article view: 10 pixels left and right, none at top
    // and bottom. Cheap when nothing changed.
    void SetEditRect();
    // Recomputes the caret field and emits caretPositionChanged.
    void EditorSelectionChange();
    // Key-down handler of the article view. Letter keys (virtual keys 65..122
    // and 192..255, or any key that types a letter) without Ctrl or Alt move
    // the focus to the word box, select its text and type the key again
    // there; answers true when it did.
    bool EditorKeyDown(const QKeyEvent &event);

    QString caretPositionText() const;   // the last text reported

signals:
    // "%3d : %3d" for the caret line and column, for StaticTextCurPos.
    void caretPositionChanged(const QString &text);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:

    QTextDocument *m_shown;           // document of Editor
    QTextDocument *m_scratch;         // document of EditorTmp
    QPointer<QComboBox> m_wordBox;
    QString m_caretText;
};

} // namespace lumolex
