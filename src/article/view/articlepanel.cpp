#include "article/view/articlepanel.h"
#include "article/view/articlecolours.h"

#include "article/view/richtextview.h"
#include "article/view/viewfont.h"
#include "platform/keycodes.h"
#include "platform/keyreplay.h"
#include "ui/imagelist16.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace lumolex {

namespace {

QFont tahoma(int pointSize)
{
    QFont font(QStringLiteral("Tahoma"));
    font.setPointSize(pointSize);
    return font;
}

QTextDocument *newViewDocument(QObject *owner)
{
    auto *doc = new QTextDocument(owner);
    doc->setUndoRedoEnabled(false);
    doc->setDefaultFont(tahoma(12));
    return doc;
}

} // namespace

ArticlePanel::ArticlePanel(QWidget *parent)
    : QFrame(parent)
    , LabelCaptionTransl(new QLabel(tr("Перевод"), this))
    , ToolBarTransl(new QToolBar(this))
    , ToolButtonLink(new QToolButton(ToolBarTransl))
    , ToolButtonFind(new QToolButton(ToolBarTransl))
    , StaticTextLink(new QLabel(tr("Ссылка"), ToolBarTransl))
    , Editor(new RichTextView(this))
    , EditorTmp(new QTextEdit(this))
    , m_shown(newViewDocument(this))
    , m_scratch(newViewDocument(this))
{
    setObjectName(QStringLiteral("PanelTransl"));
    LabelCaptionTransl->setObjectName(QStringLiteral("LabelCaptionTransl"));
    ToolBarTransl->setObjectName(QStringLiteral("ToolBarTransl"));
    ToolButtonLink->setObjectName(QStringLiteral("ToolButtonLink"));
    ToolButtonFind->setObjectName(QStringLiteral("ToolButtonFind"));
    StaticTextLink->setObjectName(QStringLiteral("StaticTextLink"));
    Editor->setObjectName(QStringLiteral("Editor"));
    EditorTmp->setObjectName(QStringLiteral("EditorTmp"));

    ToolBarTransl->setMovable(false);
    ToolBarTransl->setFloatable(false);
    ToolBarTransl->setIconSize(QSize(16, 16));
    ToolButtonLink->setIcon(ImageList16::shared().icon(ImageList16::Link));
    ToolButtonLink->setToolTip(tr("Идти на ссылку"));
    ToolButtonLink->setAutoRaise(true);
    ToolButtonLink->setEnabled(false);
    ToolButtonFind->setIcon(ImageList16::shared().icon(ImageList16::FindInArticle));
    ToolButtonFind->setToolTip(tr("Поиск в статье"));
    ToolButtonFind->setAutoRaise(true);
    ToolButtonFind->setEnabled(false);
    QFont linkFont(QStringLiteral("Tahoma"));
    linkFont.setPixelSize(13);
    StaticTextLink->setFont(linkFont);
    StaticTextLink->setTextFormat(Qt::PlainText);   // the GOTO value as written, never as markup
    StaticTextLink->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    StaticTextLink->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    ToolBarTransl->addWidget(ToolButtonLink);
    ToolBarTransl->addWidget(ToolButtonFind);
    ToolBarTransl->addWidget(StaticTextLink);

    Editor->setFont(tahoma(12));
    Editor->setDocument(m_shown);
    Editor->installEventFilter(this);

    EditorTmp->setReadOnly(true);
    EditorTmp->setUndoRedoEnabled(false);
    EditorTmp->setFont(tahoma(12));
    EditorTmp->setDocument(m_scratch);
    EditorTmp->hide();

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(LabelCaptionTransl);
    layout->addWidget(ToolBarTransl);
    layout->addWidget(Editor, 1);

    connect(Editor, &QTextEdit::cursorPositionChanged, this, &ArticlePanel::EditorSelectionChange);
    connect(Editor, &QTextEdit::selectionChanged, this, &ArticlePanel::EditorSelectionChange);
    connect(Editor, &RichTextView::resized, this, &ArticlePanel::EditorSelectionChange);

    SetEditRect();
    EditorSelectionChange();
}

void ArticlePanel::setWordBox(QComboBox *wordBox)
{
    m_wordBox = wordBox;
}

QTextDocument *ArticlePanel::scratchDocument() const
{
    return m_scratch;
}

void ArticlePanel::showPreparedArticle()
{
    QTextDocument *prepared = m_scratch;
    m_scratch = m_shown;
    m_shown = prepared;
    applyTextMargins(m_shown);
    keepArticleColoursReadable(m_shown, Editor);
    // The article leaving the view is emptied first, so that the scratch
    // view does not lay it out again when it takes it.
    m_scratch->clear();
    // The scratch view lets go of the prepared document before the article
    // view takes it; the other way round the document kept the layout width
    // of the hidden scratch view and short articles wrapped after a word.
    EditorTmp->setDocument(m_scratch);
    Editor->setDocument(m_shown);
    Editor->setTextCursor(QTextCursor(m_shown));
    Editor->verticalScrollBar()->setValue(0);
    EditorSelectionChange();
}

void ArticlePanel::clearArticle()
{
    m_scratch->clear();
    m_shown->clear();
    SetEditRect();
    Editor->verticalScrollBar()->setValue(0);
    EditorSelectionChange();
}

void ArticlePanel::applyFont(const ArticleFont &font)
{
    applyViewFont(Editor, font);
    EditorSelectionChange();
}

void ArticlePanel::SetEditRect()
{
    applyTextMargins(Editor->document());
}

void ArticlePanel::EditorSelectionChange()
{
    const QTextCursor cursor = Editor->textCursor();
    const QString text = lumolex::caretPositionText(caretPosition(*Editor->document(), cursor.selectionStart()));
    m_caretText = text;
    emit caretPositionChanged(text);
}

bool ArticlePanel::EditorKeyDown(const QKeyEvent &event)
{
    if (!m_wordBox || !isWordBoxTypingKey(event))
        return false;
    m_wordBox->setFocus(Qt::OtherFocusReason);
    if (QLineEdit *edit = m_wordBox->lineEdit())
        edit->selectAll();
    replayKey(m_wordBox, event);
    return true;
}

QString ArticlePanel::caretPositionText() const
{
    return m_caretText;
}

bool ArticlePanel::eventFilter(QObject *watched, QEvent *event)
{
    // A disabled view ignores keys, and so does its handler.
    if (watched == Editor && event->type() == QEvent::KeyPress && Editor->isEnabled())
        return EditorKeyDown(*static_cast<QKeyEvent *>(event));
    return QFrame::eventFilter(watched, event);
}

} // namespace lumolex
