#include "app/cards/cardprinter.h"

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
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
    return QCoreApplication::translate("CardPrinter", "Печать карточки слова - ") + word;
}

bool CardPrinter::pdfFileComplete(const QString &path)
{
    // The PDF writer does not report failed writes; a whole file ends with
    // its end-of-file marker, one cut off by a full disk does not.
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() < 16)
        return false;
    file.seek(file.size() - 16);
    return file.read(16).contains("%%EOF");
}

CardPrinter::Outcome CardPrinter::N27Click(const QTextDocument &article, const QString &word, QString *failure)
{
    QPrinter printer(QPrinter::HighResolution);
    if (!m_choose || !m_choose(printer))
        return Outcome::Cancelled;
    printer.setDocName(documentName(word));
    // A copy is laid out for the printer's pages; the view keeps its layout.
    const std::unique_ptr<QTextDocument> copy(article.clone());
    printOverPrintableArea(copy.get(), &printer);

    const QString file = printer.outputFileName();
    const bool toPdfFile = !file.isEmpty() && printer.outputFormat() == QPrinter::PdfFormat;
    if (printer.printerState() != QPrinter::Error && (!toPdfFile || pdfFileComplete(file)))
        return Outcome::Printed;
    // Only a regular file of the print's own is removed, never a device.
    if (toPdfFile && QFileInfo(file).isFile() && !QFileInfo(file).isSymLink())
        QFile::remove(file);
    if (failure)
        *failure = toPdfFile
            ? QCoreApplication::translate("CardPrinter",
                                          "Карточка не напечатана: файл «%1» не удалось записать целиком "
                                          "(нет места на диске или нет доступа). Неполный файл удалён.")
                  .arg(QDir::toNativeSeparators(file))
            : QCoreApplication::translate("CardPrinter", "Карточка не напечатана: принтер сообщил об ошибке.");
    return Outcome::Failed;
}

void CardPrinter::printOverPrintableArea(QTextDocument *document, QPrinter *printer)
{
    // QTextDocument::print would add margins of its own and page numbers:
    // the text is laid out at the printer's resolution in pages of the
    // printable area, and each page drawn there as it is.
    printer->setFullPage(false);
    QPainter painter(printer);
    if (!painter.isActive())
        return;
    document->documentLayout()->setPaintDevice(printer);
    document->setDocumentMargin(0);
    const QSizeF page = printer->pageRect(QPrinter::DevicePixel).size();
    document->setPageSize(page);
    const int pages = document->pageCount();
    for (int index = 0; index < pages; ++index) {
        if (index > 0)
            printer->newPage();
        const QRectF shown(0, index * page.height(), page.width(), page.height());
        painter.save();
        painter.translate(0, -shown.top());
        painter.setClipRect(shown);
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = shown;
        context.palette.setColor(QPalette::Text, Qt::black);
        document->documentLayout()->draw(&painter, context);
        painter.restore();
    }
}

} // namespace lumolex
