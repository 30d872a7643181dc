// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Start-up work begun ahead on a thread of idle priority, and made sure of by whoever needs it.
// Idle priority gives the work only a processor that nothing else wants: on a machine with two
// cores, a helper at normal priority took the second core from the display server's answers to
// Qt's start and from the GUI thread itself. A busy machine may give such a thread no time at
// all, so the one that needs the result never waits for it: it does the work itself. The work
// must therefore be safe to run twice at once.
#include <functional>
#include <memory>
#include <thread>

namespace ferrolin {

class IdleWork {
public:
    explicit IdleWork(std::function<void()> work);
    // Waits for a thread that has finished; one still waiting for a processor is left to end with
    // the process rather than hold up its exit.
    ~IdleWork();
    IdleWork(const IdleWork&) = delete;
    IdleWork& operator=(const IdleWork&) = delete;

    // Starts the thread, once. Where idle priority is refused it runs at normal priority.
    void Begin();
    // Returns once the work has been done: at once if the thread has finished (or was never
    // begun), else after doing the work on the calling thread.
    void Finish();
    // Whether the thread has done the work.
    bool Done() const;

private:
    struct State;  // shared with the thread, which may outlive this object
    std::shared_ptr<State> state_;
    std::thread thread_;
};

}  // namespace ferrolin
