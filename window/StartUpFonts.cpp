// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/StartUpFonts.h"

#include <fontconfig/fontconfig.h>

#include <mutex>
#include <thread>

namespace ferrolin {
namespace {

std::mutex readerMutex;

// Joined at exit too, should the window never have asked.
struct Reader {
    std::thread thread;
    ~Reader()
    {
        if (thread.joinable())
            thread.join();
    }
} reader;

}  // namespace

void BeginReadingFontConfiguration()
{
    const std::lock_guard<std::mutex> lock(readerMutex);
    if (!reader.thread.joinable())
        reader.thread = std::thread([] { FcInit(); });
}

void FinishReadingFontConfiguration()
{
    const std::lock_guard<std::mutex> lock(readerMutex);
    if (reader.thread.joinable())
        reader.thread.join();
}

}  // namespace ferrolin
