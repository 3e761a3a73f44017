#include "app/cards/cardprinter.h"

#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextDocument>
#include <QWidget>

#include <memory>

namespace lumolex {

CardPrinter::CardPrinter(QWidget *parent)
{
    QPointer<QWidget> owner(parent);
    m_choose = [owner](QPrinter &printer) {
        QPrintDialog PrintDialog1(&printer, owner);
        PrintDialog1.setObjectName(QStringLiteral("PrintDialog1"));
        return PrintDialog1.exec() == QDialog::Accepted;
    };
}

QString CardPrinter::documentName(const QString &word)
{
    return QStringLiteral("Печать карточки слова - ") + word;
}

bool CardPrinter::N27Click(const QTextDocument &article, const QString &word)
{
    QPrinter printer(QPrinter::HighResolution);
    if (!m_choose || !m_choose(printer))
        return false;
    printer.setDocName(documentName(word));
    // A copy is laid out for the printer's pages; the view keeps its layout.
    const std::unique_ptr<QTextDocument> copy(article.clone());
    copy->print(&printer);
    return true;
}

} // namespace lumolex
