#include "platform/CupsPrinters.h"

#include <QPrinter>
#include <QPrinterInfo>

#include <cups/cups.h>

namespace ferrolin {

PrintSystemAnswer AskPrintSystem() {
    cups_dest_t* destinations = nullptr;
    const int count = cupsGetDests2(CUPS_HTTP_DEFAULT, &destinations);
    // A server that answers with no printers at all says "not found"; a server that cannot be
    // reached, or that fails, gives a server error (0x05xx).
    PrintSystemAnswer answer;
    answer.answered = cupsLastError() < IPP_STATUS_ERROR_INTERNAL;
    if (const cups_dest_t* chosen = cupsGetDest(nullptr, nullptr, count, destinations))
        answer.defaultPrinter = QString::fromUtf8(chosen->name);
    cupsFreeDests(count, destinations);
    return answer;
}

PrinterSurvey CupsPrinterSource::ListPrinters() {
    PrinterSurvey survey;
    const PrintSystemAnswer answer = AskPrintSystem();
    if (!answer.answered) {
        survey.failure = PrinterSurveyFailure::NotAnswering;
        return survey;
    }
    for (const QPrinterInfo& info : QPrinterInfo::availablePrinters()) {
        PrinterDescription printer;
        printer.name = info.printerName();
        printer.isDefault = printer.name == answer.defaultPrinter;
        printer.pageSizes = info.supportedPageSizes();
        printer.defaultPageSize = info.defaultPageSize();
        const QList<QPrinter::DuplexMode> duplex = info.supportedDuplexModes();
        printer.canPrintTwoSided =
            duplex.contains(QPrinter::DuplexLongSide) || duplex.contains(QPrinter::DuplexShortSide);
        survey.printers << printer;
    }
    return survey;
}

}  // namespace ferrolin
