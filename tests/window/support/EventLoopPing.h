// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Measures whether the GUI thread keeps answering: a timer that should fire every 50 ms records
// the longest wait between two of its turns. A window that blocks shows up as a long wait.
#include <QElapsedTimer>
#include <QTimer>

#include <algorithm>

namespace ferrolin::testing {

class EventLoopPing {
public:
    static constexpr int kIntervalMs = 50;
    // The longest wait between turns that still counts as answering. The faults this catches wait
    // for seconds (a print system's or a speech service's timeout on the GUI thread); a loaded
    // machine's scheduling alone stays well below the bound.
    static constexpr qint64 kLongestAllowedMs = 1000;

    EventLoopPing() {
        timer_.setInterval(kIntervalMs);
        QObject::connect(&timer_, &QTimer::timeout, [this] { Tick(); });
        clock_.start();
        timer_.start();
    }
    // Includes the wait since the last turn, so a block that is still going on counts too.
    qint64 longestWaitMs() const { return std::max(longest_, clock_.elapsed()); }

private:
    void Tick() {
        longest_ = std::max(longest_, clock_.restart());
    }

    QTimer timer_;
    QElapsedTimer clock_;
    qint64 longest_ = 0;
};

}  // namespace ferrolin::testing
