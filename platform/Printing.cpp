#include "platform/Printing.h"

#include <QAbstractTextDocumentLayout>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextDocument>

namespace ferrolin {

namespace {

const char* const kNotValid = "Printer selected is not valid";
const char* const kNoDefault = "There is no default printer currently selected";

// A native printer whose queue has gone (or never existed) would silently print nothing, so look
// the queue up before trusting it.
bool CanPrintOn(const QPrinter& printer)
{
    if (!printer.isValid())
        return false;
    if (printer.outputFormat() == QPrinter::PdfFormat)
        return !printer.outputFileName().isEmpty();
    return !QPrinterInfo::printerInfo(printer.printerName()).isNull();
}

}  // namespace

void PrintDocumentOn(const QTextDocument& document, QPrinter& printer)
{
    printer.setFullPage(true);
    printer.setPageMargins(QMarginsF(0, 0, 0, 0));

    // A document with a page size counts as paginated: QTextDocument::print then prints it as it
    // is, without the 2 cm margins and page numbers it adds to a continuous one.
    std::unique_ptr<QTextDocument> pages(document.clone());
    pages->documentLayout()->setPaintDevice(&printer);
    pages->setDocumentMargin(0);
    pages->setPageSize(QSizeF(printer.width(), printer.height()));
    pages->print(&printer);

    if (printer.printerState() == QPrinter::Error || printer.printerState() == QPrinter::Aborted)
        throw PrintError(kNotValid);
}

QtPrinting::QtPrinting() = default;
QtPrinting::~QtPrinting() = default;

bool QtPrinting::SetupPrinter(QWidget* owner)
{
    auto candidate = chosen_ ? std::make_unique<QPrinter>(QPrinterInfo::printerInfo(chosen_->printerName()),
                                                          QPrinter::HighResolution)
                             : std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (chosen_)
        candidate->setPageLayout(chosen_->pageLayout());
    QPrintDialog dialog(candidate.get(), owner);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    chosen_ = std::move(candidate);
    return true;
}

void QtPrinting::Print(const QTextDocument& document, const QString& jobName)
{
    if (chosen_) {
        if (!CanPrintOn(*chosen_))
            throw PrintError(kNotValid);
        chosen_->setDocName(jobName);
        PrintDocumentOn(document, *chosen_);
        return;
    }
    const QPrinterInfo defaultPrinter = QPrinterInfo::defaultPrinter();
    if (defaultPrinter.isNull())
        throw PrintError(kNoDefault);
    QPrinter printer(defaultPrinter, QPrinter::HighResolution);
    if (!CanPrintOn(printer))
        throw PrintError(kNotValid);
    printer.setDocName(jobName);
    PrintDocumentOn(document, printer);
}

}  // namespace ferrolin
