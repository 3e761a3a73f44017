#pragma once

// Printing the current article under a card title (N27Click): the print
// dialog PrintDialog1 chooses the printer, then the article view's whole
// document is printed page after page over the printable area, as the job
// "Печать карточки слова - " + headword.

#include <QString>

#include <functional>

class QPrinter;
class QTextDocument;
class QWidget;

namespace lumolex {

class CardPrinter
{
public:
    // Lets the user set up `printer`; false when the user cancelled.
    using ChoosePrinter = std::function<bool(QPrinter &printer)>;

    // The print dialog runs over `parent`.
    explicit CardPrinter(QWidget *parent);

    // Tests put a choice without a dialog here (a PDF file, a cancel).
    void setChoosePrinter(ChoosePrinter choose) { m_choose = std::move(choose); }

    static QString documentName(const QString &word);

    enum class Outcome { Cancelled, Printed, Failed };

    // Prints after the user's choice. A print that failed (the printer
    // refused, or a file written only in part, as on a full disk) is
    // Failed, with the reason in *failure; a partial output file is removed.
    Outcome N27Click(const QTextDocument &article, const QString &word, QString *failure);

    // Whether the PDF file at `path` was written to its end.
    static bool pdfFileComplete(const QString &path);

    // Prints `document` (laid out anew for the printer) page after page
    // over the printable area of each page, with nothing added: no
    // margins of its own, no page numbers.
    static void printOverPrintableArea(QTextDocument *document, QPrinter *printer);

private:
    ChoosePrinter m_choose;
};

} // namespace lumolex
