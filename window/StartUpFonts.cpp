// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/StartUpFonts.h"

#include <fontconfig/fontconfig.h>
#include <pthread.h>
#include <sched.h>

#include <atomic>
#include <mutex>
#include <thread>

namespace ferrolin {
namespace {

std::mutex readerMutex;
std::atomic<bool> readerDone{false};

struct Reader {
    std::thread thread;
    // At exit a reader that has finished is joined; one still starved of a processor is left to
    // end with the process rather than hold up its exit.
    ~Reader()
    {
        if (!thread.joinable())
            return;
        if (readerDone.load(std::memory_order_acquire))
            thread.join();
        else
            thread.detach();
    }
} reader;

}  // namespace

void BeginReadingFontConfiguration()
{
    const std::lock_guard<std::mutex> lock(readerMutex);
    if (reader.thread.joinable())
        return;
    reader.thread = std::thread([] {
        // Idle priority: the reading takes only a processor nothing else wants. At normal priority
        // it held up the display server's answers to Qt's own start on a machine with two cores,
        // costing more than it saved. Where the policy is refused it runs at normal priority.
        const sched_param idle{};
        pthread_setschedparam(pthread_self(), SCHED_IDLE, &idle);
        FcInit();
        readerDone.store(true, std::memory_order_release);
    });
}

void FinishReadingFontConfiguration()
{
    const std::lock_guard<std::mutex> lock(readerMutex);
    if (!reader.thread.joinable())
        return;
    if (readerDone.load(std::memory_order_acquire)) {
        reader.thread.join();
        return;
    }
    // Not finished: on a busy machine idle work may wait long for a processor. Read it here, at
    // this thread's priority; fontconfig keeps whichever reading finishes first.
    FcInit();
}

}  // namespace ferrolin
