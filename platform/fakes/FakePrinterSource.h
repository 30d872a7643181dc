// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Printers for tests: every lookup answers `survey`, and can be held back like a hung print
// server until Release().
//
//   auto printers = std::make_shared<FakePrinterSource>();
//   printers->survey.printers = {{"PDF", true}};
//   printers->Hold();   // lookups wait from now on; a test releases them before it ends
#include <condition_variable>
#include <mutex>

#include "platform/PrinterSource.h"

namespace ferrolin {

class FakePrinterSource final : public PrinterSource {
public:
    PrinterSurvey ListPrinters() override;
    void Hold();
    void Release();

    PrinterSurvey survey;  // set before the first lookup starts

private:
    std::mutex mutex_;
    std::condition_variable released_;
    bool held_ = false;
};

}  // namespace ferrolin
