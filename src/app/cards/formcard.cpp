#include "app/cards/formcard.h"

#include "article/articledocument.h"
#include "article/view/richtextview.h"
#include "rtf/rtfunits.h"
#include "ui/controltag.h"
#include "ui/displaytext.h"
#include "ui/imagelist16.h"
#include "ui/toolbuttons.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace lumolex {

namespace {

// 1 point is 20 twips.
const double kOnePoint = rtf::twipsToPixels(20);

QFont cardFont()
{
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(11);
    return font;
}

void indentParagraphs(QTextDocument *doc)
{
    QTextCursor cursor(doc);
    cursor.beginEditBlock();
    for (QTextBlock block = doc->begin(); block.isValid(); block = block.next()) {
        QTextBlockFormat format = block.blockFormat();
        format.setTextIndent(kOnePoint);
        format.setRightMargin(kOnePoint);
        cursor.setPosition(block.position());
        cursor.setBlockFormat(format);
    }
    cursor.endEditBlock();
}

} // namespace

TFormCard::TFormCard(QWidget *mainWindow)
    : QWidget(mainWindow, Qt::Tool)
{
    setObjectName(QStringLiteral("FormCard"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Карточка слова"));
    setWindowIcon(ImageList16::shared().icon(ImageList16::Card));
    setFont(cardFont());
    resize(452, 257);

    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    ToolBar1 = newToolBar(this, "ToolBar1");
    ToolButtonGoto = addToolButton(ToolBar1, "ToolButtonGoto", tr("Синхронизировать список"), ImageList16::SyncList);
    ToolButton2 = new QWidget(ToolBar1);
    ToolButton2->setObjectName(QStringLiteral("ToolButton2"));
    ToolButton2->setFixedWidth(8);
    ToolBar1->addWidget(ToolButton2);
    ToolButton3 = addToolButton(ToolBar1, "ToolButton3", tr("Закрыть карточку слова (Esc)"), ImageList16::CloseCard);
    column->addWidget(ToolBar1);
    setTag(ToolButtonGoto, 0);

    Editor = new RichTextView(this);
    Editor->setObjectName(QStringLiteral("Editor"));
    Editor->document()->setDefaultFont(cardFont());
    Editor->setContextMenuPolicy(Qt::CustomContextMenu);
    Editor->installEventFilter(this);
    column->addWidget(Editor, 1);

    PMenuEdit = new QMenu(this);
    PMenuEdit->setObjectName(QStringLiteral("PMenuEdit"));
    PMenuEditCopy = PMenuEdit->addAction(ImageList16::shared().icon(ImageList16::Copy), tr("Копировать"));
    PMenuEditCopy->setObjectName(QStringLiteral("PMenuEditCopy"));
    PMenuEditCopy->setIconVisibleInMenu(true);

    connect(ToolButtonGoto, &QToolButton::clicked, this, &TFormCard::ToolButtonGotoClick);
    connect(ToolButton3, &QToolButton::clicked, this, &TFormCard::ToolButton3Click);
    connect(PMenuEdit, &QMenu::aboutToShow, this, &TFormCard::PMenuEditPopup);
    connect(PMenuEditCopy, &QAction::triggered, this, &TFormCard::PMenuEditCopyClick);
    connect(Editor, &QWidget::customContextMenuRequested, this, [this](const QPoint &pos) {
        PMenuEdit->popup(Editor->viewport()->mapToGlobal(pos));
    });
    connect(Editor, &RichTextView::resized, this, &TFormCard::SetEditRect);
    SetEditRect();
}

void TFormCard::fill(const QString &word, const QTextDocument &article, int id, int dict, int pointSize)
{
    setWindowTitle(displayText(word));
    QTextDocument *copy = article.clone(Editor);
    copy->setUndoRedoEnabled(false);
    imposePointSize(copy, pointSize);
    indentParagraphs(copy);
    // The view deletes the document it made itself; the copies are ours.
    QTextDocument *old = Editor->document();
    const bool ours = old->parent() == Editor;
    Editor->setDocument(copy);
    if (ours)
        delete old;
    SetEditRect();
    Editor->setTextCursor(QTextCursor(copy));   // caret at 0, no selection
    setTag(ToolButtonGoto, id);
    const int icon = ImageList16::cardIconForDict(dict);
    if (icon >= 0)
        setWindowIcon(ImageList16::shared().icon(icon));
}

int TFormCard::articleId() const
{
    return tagOf(ToolButtonGoto);
}

void TFormCard::ToolButtonGotoClick()
{
    emit gotoArticle(articleId());
}

void TFormCard::ToolButton3Click()
{
    close();
}

void TFormCard::PMenuEditPopup()
{
    PMenuEditCopy->setEnabled(Editor->textCursor().hasSelection());
}

void TFormCard::PMenuEditCopyClick()
{
    // The copy goes to the card's focused control; without one nothing happens.
    QWidget *focused = focusWidget();
    if (auto *edit = qobject_cast<QTextEdit *>(focused))
        edit->copy();
}

void TFormCard::SetEditRect()
{
    applyTextMargins(Editor->document());
}

bool TFormCard::FormKeyPress(const QKeyEvent &event)
{
    if (event.key() != Qt::Key_Escape)
        return false;
    close();
    return true;
}

void TFormCard::keyPressEvent(QKeyEvent *event)
{
    if (!FormKeyPress(*event))
        QWidget::keyPressEvent(event);
}

bool TFormCard::eventFilter(QObject *watched, QEvent *event)
{
    // The card sees every key before its controls.
    if (watched == Editor && event->type() == QEvent::KeyPress)
        return FormKeyPress(*static_cast<QKeyEvent *>(event));
    return QWidget::eventFilter(watched, event);
}

void TFormCard::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        emit shown(this);
}

void TFormCard::closeEvent(QCloseEvent *event)
{
    QWidget::closeEvent(event);
    if (event->isAccepted())
        emit closing(this);
}

void TFormCard::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    SetEditRect();
}

} // namespace lumolex
