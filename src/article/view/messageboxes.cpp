#include "article/view/messageboxes.h"

#include <QMessageBox>

namespace lumolex {

DialogMessageBoxes::DialogMessageBoxes(QWidget *parent)
    : m_parent(parent)
{
}

void DialogMessageBoxes::error(const QString &title, const QString &text)
{
    QMessageBox box(QMessageBox::Critical, title, text, QMessageBox::Ok, m_parent);
    box.exec();
}

bool DialogMessageBoxes::askYesNo(const QString &title, const QString &text)
{
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No, m_parent);
    return box.exec() == QMessageBox::Yes;
}

} // namespace lumolex
