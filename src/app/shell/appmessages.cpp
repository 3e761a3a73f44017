#include "app/shell/appmessages.h"

namespace lumolex {

DialogAppMessageBoxes::DialogAppMessageBoxes(QWidget *parent)
    : m_parent(parent)
{
}

void DialogAppMessageBoxes::show(QMessageBox::Icon icon, const QString &title, const QString &text)
{
    QMessageBox box(icon, title, text, QMessageBox::Ok, m_parent);
    box.setTextFormat(Qt::PlainText);   // texts carry file names and data values
    box.exec();
}

bool DialogAppMessageBoxes::askYesNo(const QString &title, const QString &text)
{
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No, m_parent);
    box.setTextFormat(Qt::PlainText);
    return box.exec() == QMessageBox::Yes;
}

} // namespace lumolex
