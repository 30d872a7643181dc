// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/fakes/FakePrinterSource.h"

namespace ferrolin {

PrinterSurvey FakePrinterSource::ListPrinters() {
    std::unique_lock lock(mutex_);
    released_.wait(lock, [this] { return !held_; });
    return survey;
}

void FakePrinterSource::Hold() {
    std::lock_guard lock(mutex_);
    held_ = true;
}

void FakePrinterSource::Release() {
    {
        std::lock_guard lock(mutex_);
        held_ = false;
    }
    released_.notify_all();
}

}  // namespace ferrolin
