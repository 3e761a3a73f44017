#include "app/window/editcommands.h"

#include "app/window/commandstate.h"
#include "ui/imagelist16.h"

#include <QAbstractScrollArea>
#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace lumolex {

namespace {

// The edit field of a control: itself, or a combo box's line edit.
QLineEdit *lineEditOf(const QWidget *control)
{
    if (auto *combo = qobject_cast<const QComboBox *>(control))
        return combo->lineEdit();
    return qobject_cast<QLineEdit *>(const_cast<QWidget *>(control));
}

bool clipboardHasText()
{
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    return data && data->hasText();
}

bool isReadOnlyView(const QWidget *control, const QList<const QWidget *> &views)
{
    for (const QWidget *view : views) {
        if (control == view || (view && view->isAncestorOf(control)))
            return true;
    }
    return false;
}

} // namespace

EditMenuState editMenuState(const QWidget *focused, bool hasText, const QList<const QWidget *> &readOnlyViews)
{
    EditMenuState state;
    bool selected = false;
    bool editable = true;
    if (const QLineEdit *edit = lineEditOf(focused)) {
        selected = edit->hasSelectedText();
    } else if (auto *text = qobject_cast<const QTextEdit *>(focused)) {
        selected = text->textCursor().hasSelection();
    } else if (auto *plain = qobject_cast<const QPlainTextEdit *>(focused)) {
        selected = plain->textCursor().hasSelection();
    } else {
        editable = false;
    }
    if (editable) {
        state.cut = selected;
        state.copy = selected;
        state.paste = hasText;
    }
    if (focused && isReadOnlyView(focused, readOnlyViews)) {
        state.cut = false;
        state.paste = false;
    }
    return state;
}

void sendEditCommand(QWidget *focused, EditCommand command)
{
    if (QLineEdit *edit = lineEditOf(focused)) {
        command == EditCommand::Cut ? edit->cut() : command == EditCommand::Copy ? edit->copy() : edit->paste();
    } else if (auto *text = qobject_cast<QTextEdit *>(focused)) {
        command == EditCommand::Cut ? text->cut() : command == EditCommand::Copy ? text->copy() : text->paste();
    } else if (auto *plain = qobject_cast<QPlainTextEdit *>(focused)) {
        command == EditCommand::Cut ? plain->cut() : command == EditCommand::Copy ? plain->copy() : plain->paste();
    }
}

EditCommands::EditCommands(QWidget *window, Items items, const QList<QWidget *> &owners,
                           const QList<const QWidget *> &readOnlyViews)
    : QObject(window)
    , m_window(window)
    , m_readOnlyViews(readOnlyViews)
{
    PMenuEdit = new QMenu(window);
    PMenuEdit->setObjectName(QStringLiteral("PMenuEdit"));
    const ImageList16 &images = ImageList16::shared();
    PMenuEditCut = PMenuEdit->addAction(images.icon(ImageList16::Cut), tr("Вырезать"));
    PMenuEditCut->setObjectName(QStringLiteral("PMenuEditCut"));
    PMenuEditCopy = PMenuEdit->addAction(images.icon(ImageList16::Copy), tr("Копировать"));
    PMenuEditCopy->setObjectName(QStringLiteral("PMenuEditCopy"));
    PMenuEditPaste = PMenuEdit->addAction(images.icon(ImageList16::Paste), tr("Вставить"));
    PMenuEditPaste->setObjectName(QStringLiteral("PMenuEditPaste"));
    connect(PMenuEdit, &QMenu::aboutToShow, this, &EditCommands::PMenuEditPopup);
    connect(PMenuEditCut, &QAction::triggered, this, &EditCommands::PMenuEditCutClick);
    connect(PMenuEditCopy, &QAction::triggered, this, &EditCommands::PMenuEditCopyClick);
    connect(PMenuEditPaste, &QAction::triggered, this, &EditCommands::PMenuEditPasteClick);

    connect(items.MainMenuCut, &QAction::triggered, this, &EditCommands::MainMenuCutClick);
    connect(items.MainMenuCopy, &QAction::triggered, this, &EditCommands::MainMenuCopyClick);
    connect(items.MainMenuPaste, &QAction::triggered, this, &EditCommands::MainMenuPasteClick);
    for (QAction *item : {items.MainMenuCut, items.MainMenuCopy, items.MainMenuPaste})
        setCommandReady(item);

    for (QWidget *owner : owners)
        attach(owner);
}

void EditCommands::attach(QWidget *owner)
{
    // A combo box's right clicks land on its edit field.
    QWidget *source = owner;
    if (auto *combo = qobject_cast<QComboBox *>(owner); combo && combo->lineEdit())
        source = combo->lineEdit();
    source->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(source, &QWidget::customContextMenuRequested, this,
            [this, source](const QPoint &pos) { popupFrom(source, pos); });
}

void EditCommands::popupFrom(QWidget *source, const QPoint &pos)
{
    // A scroll area reports the position in its viewport.
    const auto *area = qobject_cast<QAbstractScrollArea *>(source);
    const QPoint global = area ? area->viewport()->mapToGlobal(pos) : source->mapToGlobal(pos);
    PMenuEdit->popup(global);
}

void EditCommands::PMenuEditPopup()
{
    const EditMenuState state = editMenuState(m_window->focusWidget(), clipboardHasText(), m_readOnlyViews);
    PMenuEditCut->setEnabled(state.cut);
    PMenuEditCopy->setEnabled(state.copy);
    PMenuEditPaste->setEnabled(state.paste);
}

void EditCommands::run(EditCommand command)
{
    // With no focused control in the main window nothing happens.
    sendEditCommand(m_window->focusWidget(), command);
}

} // namespace lumolex
