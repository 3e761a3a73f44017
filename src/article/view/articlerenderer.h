#pragma once

// The record-change handler of the article table (DataSource1DataChange).
//
// Each time the current article changes, it writes the headword into the
// word box (unless the change comes from typing there), records the visit as
// a step, shows the decoded, masked article in the user's font, updates the
// cross-reference line and enables the commands that depend on the article.

#include "article/articledocument.h"
#include "article/view/commandgroup.h"

#include <QObject>
#include <QPointer>

#include <functional>

class QComboBox;

namespace lumolex {

class ArticlePanel;
class StepNavigator;
class Table;

// What the handler reads and updates. Everything except the table and the
// panel may be missing; missing parts are skipped.
struct ArticleRenderContext {
    Table *articles = nullptr;           // the article table (ClientDataSet1)
    ArticlePanel *panel = nullptr;       // PanelTransl with Editor, EditorTmp, StaticTextLink
    QComboBox *wordBox = nullptr;        // EditWord
    QWidget *wordList = nullptr;         // DBGrid1: the focus leaves it for the word box
    bool *wordBoxGuard = nullptr;        // shared with the word box's type-ahead
    StepNavigator *steps = nullptr;      // AddStep and the step recording switch
    std::function<ArticleFont()> font;   // FontNameLumo and FontSizeText, read at every change
    CommandGroup linkCommands;           // MainMenuLink (ToolButtonLink is added by the renderer)
    CommandGroup findCommands;           // MainMenuFind (ToolButtonFind is added by the renderer)
    CommandGroup towardStart;            // ToolButtonFirst, ToolButtonPrev
    CommandGroup towardEnd;              // ToolButtonNext, ToolButtonLast
};

class ArticleRenderer : public QObject
{
    Q_OBJECT
public:
    // Connects itself to the table's recordChanged and gives the panel the
    // word box for typing redirection.
    explicit ArticleRenderer(ArticleRenderContext context, QObject *parent = nullptr);

    // The handler. Runs on every recordChanged of the article table; the word
    // box guard is always clear when it returns.
    void DataSource1DataChange();

    BodyKind lastBodyKind() const;       // what the last change showed (Null for an empty view)

private:
    void writeWordBox(const QString &text);
    void showEmptyView();

    ArticleRenderContext m_ctx;
    int m_idField = -1;
    int m_wordField = -1;
    int m_translField = -1;
    int m_gotoField = -1;
    BodyKind m_lastKind = BodyKind::Null;
    qint32 m_shownId = 0;                // the article on screen, 0 for none or one without a headword
};

} // namespace lumolex
