#include "app/search/formfind.h"

#include "app/shell/appmessages.h"
#include "article/view/richtextview.h"
#include "search/articlefind.h"
#include "ui/imagelist16.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextCursor>

namespace lumolex {

TFormFind::TFormFind(const FindDialogContext &context)
    : QDialog(context.mainWindow, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowStaysOnTopHint
                                      | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , m_ctx(context)
{
    setObjectName(QStringLiteral("FormFind"));
    setWindowTitle(tr("Найти в тексте"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    setFixedSize(332, 114);
    QFont tahoma(QStringLiteral("Tahoma"));
    tahoma.setPixelSize(11);
    setFont(tahoma);

    EditFind = new QLineEdit(this);
    EditFind->setObjectName(QStringLiteral("EditFind"));
    EditFind->setGeometry(12, 28, 165, 21);
    CheckBoxRegister = new QCheckBox(tr("С учетом регистра"), this);
    CheckBoxRegister->setObjectName(QStringLiteral("CheckBoxRegister"));
    CheckBoxRegister->setGeometry(12, 64, 165, 17);
    SpeedButtonFind = new QPushButton(ImageList16::shared().icon(ImageList16::FindNext), tr("Найти"), this);
    SpeedButtonFind->setObjectName(QStringLiteral("SpeedButtonFind"));
    SpeedButtonFind->setGeometry(204, 28, 109, 22);
    SpeedButtonFind->setAutoDefault(false);
    SpeedButtonCancel = new QPushButton(ImageList16::shared().icon(ImageList16::Cancel), tr("Отмена"), this);
    SpeedButtonCancel->setObjectName(QStringLiteral("SpeedButtonCancel"));
    SpeedButtonCancel->setGeometry(204, 59, 109, 22);
    SpeedButtonCancel->setAutoDefault(false);
    setTabOrder(EditFind, CheckBoxRegister);

    connect(SpeedButtonFind, &QPushButton::clicked, this, &TFormFind::SpeedButtonFindClick);
    connect(SpeedButtonCancel, &QPushButton::clicked, this, &TFormFind::SpeedButtonCancelClick);
}

void TFormFind::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    EditFind->setText(*m_ctx.sharedSearchText);
    EditFind->setFocus();
}

void TFormFind::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        SpeedButtonFindClick();
        return;
    }
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TFormFind::SpeedButtonFindClick()
{
    const QString what = EditFind->text();   // exactly as typed: a trailing blank counts
    if (what.isEmpty())
        return;
    *m_ctx.sharedSearchText = what;
    if (!*m_ctx.flag)
        return;
    RichTextView *editor = m_ctx.editor;
    const QTextCursor selection = editor->textCursor();
    const int found = findForward(*editor->document(), what, selection.selectionEnd(), CheckBoxRegister->isChecked());
    if (found < 0) {
        m_ctx.messages->show(QMessageBox::Warning, tr("Поиск в тексте перевода"), tr("Не найдено"));
        return;
    }
    QTextCursor match(editor->document());
    match.setPosition(found);
    match.setPosition(found + int(what.size()), QTextCursor::KeepAnchor);
    editor->setTextCursor(match);
    m_ctx.mainWindow->activateWindow();
    editor->setFocus();
}

void TFormFind::closeEvent(QCloseEvent *event)
{
    RichTextView *editor = m_ctx.editor;
    if (*m_ctx.flag && editor->isVisible() && editor->isEnabled() && editor->focusPolicy() != Qt::NoFocus)
        editor->setFocus();
    *m_ctx.flag = false;
    QDialog::closeEvent(event);
}

FindDialogOpener::FindDialogOpener(const FindDialogContext &context, QObject *parent)
    : QObject(parent)
    , m_ctx(context)
{
}

void FindDialogOpener::ToolButtonFindClick(bool articleHasBody)
{
    if (!articleHasBody)
        return;
    if (!m_dialog)
        m_dialog = new TFormFind(m_ctx);
    const QTextCursor selection = m_ctx.editor->textCursor();
    if (selection.hasSelection())
        *m_ctx.sharedSearchText = selection.selectedText();
    *m_ctx.flag = true;
    m_dialog->show();
    m_dialog->raise();
    m_dialog->activateWindow();
}

} // namespace lumolex
