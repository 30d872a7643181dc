// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The real print system (CUPS). Everything here waits for the print server: call it only off the
// GUI thread.
#include <QString>

#include "platform/PrinterSource.h"

namespace ferrolin {

struct PrintSystemAnswer {
    bool answered = false;   // false: no print server could be reached, or it failed the request
    QString defaultPrinter;  // empty when it answered without a default printer
};

// Asks the print server for its destinations: whether it answers at all, and which is the
// default (the user's own choice in lpoptions or LPDEST/PRINTER first, as lp does).
PrintSystemAnswer AskPrintSystem();

class CupsPrinterSource final : public PrinterSource {
public:
    PrinterSurvey ListPrinters() override;
};

}  // namespace ferrolin
