// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/CupsPrinters.h"

#include <QLibrary>
#include <QPrinter>
#include <QPrinterInfo>

#include <cups/cups.h>

namespace ferrolin {

namespace {

// libcups, loaded by the first question rather than at start: it brings the Kerberos libraries
// with it, which every start of the program would otherwise pay for. Qt's own print support
// loads it the same way, through its plugin.
struct Cups {
    decltype(&cupsGetDests2) getDests = nullptr;
    decltype(&cupsGetDest) getDest = nullptr;
    decltype(&cupsFreeDests) freeDests = nullptr;
    decltype(&cupsLastError) lastError = nullptr;

    bool loaded() const { return getDests && getDest && freeDests && lastError; }
};

const Cups& LoadCups() {
    static const Cups cups = [] {
        QLibrary library(QStringLiteral("cups"), 2);
        library.setLoadHints(QLibrary::ResolveAllSymbolsHint);
        Cups found;
        if (!library.load()) return found;
        found.getDests = reinterpret_cast<decltype(&cupsGetDests2)>(library.resolve("cupsGetDests2"));
        found.getDest = reinterpret_cast<decltype(&cupsGetDest)>(library.resolve("cupsGetDest"));
        found.freeDests = reinterpret_cast<decltype(&cupsFreeDests)>(library.resolve("cupsFreeDests"));
        found.lastError = reinterpret_cast<decltype(&cupsLastError)>(library.resolve("cupsLastError"));
        return found;  // the library stays loaded: nothing unloads it
    }();
    return cups;
}

}  // namespace

PrintSystemAnswer AskPrintSystem() {
    PrintSystemAnswer answer;
    const Cups& cups = LoadCups();
    if (!cups.loaded()) return answer;  // no print system installed
    cups_dest_t* destinations = nullptr;
    const int count = cups.getDests(CUPS_HTTP_DEFAULT, &destinations);
    // A server that answers with no printers at all says "not found"; a server that cannot be
    // reached, or that fails, gives a server error (0x05xx).
    answer.answered = cups.lastError() < IPP_STATUS_ERROR_INTERNAL;
    if (const cups_dest_t* chosen = cups.getDest(nullptr, nullptr, count, destinations))
        answer.defaultPrinter = QString::fromUtf8(chosen->name);
    cups.freeDests(count, destinations);
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
