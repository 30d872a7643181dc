// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up work begun ahead at idle priority: done once by whoever gets there, never waited for.
#include <QTest>

#include <sched.h>

#include <atomic>
#include <future>
#include <memory>
#include <thread>

#include "window/IdleWork.h"

namespace {

// What the work saw, shared with a thread that may outlive the test's IdleWork.
struct Record {
    std::atomic<int> runs{0};
    std::atomic<int> runsOnCaller{0};
    std::atomic<int> readerPolicy{-1};
    std::promise<void> readerStarted;
    std::promise<void> releaseReader;
    std::shared_future<void> release = releaseReader.get_future().share();
};

}  // namespace

class IdleWorkTest : public QObject {
    Q_OBJECT
private slots:
    void finishDoesTheWorkOnce_data();
    void finishDoesTheWorkOnce();
};

void IdleWorkTest::finishDoesTheWorkOnce_data() {
    QTest::addColumn<bool>("begin");
    QTest::addColumn<bool>("readerHeldUp");
    QTest::addColumn<int>("runs");
    QTest::addColumn<int>("runsOnCaller");
    QTest::newRow("never begun: nothing to make sure of") << false << false << 0 << 0;
    QTest::newRow("reader finished: joined, not repeated") << true << false << 1 << 0;
    QTest::newRow("reader held up: done here, not waited for") << true << true << 2 << 1;
}

void IdleWorkTest::finishDoesTheWorkOnce() {
    QFETCH(bool, begin);
    QFETCH(bool, readerHeldUp);
    QFETCH(int, runs);
    QFETCH(int, runsOnCaller);

    auto record = std::make_shared<Record>();
    const std::thread::id caller = std::this_thread::get_id();
    {
        ferrolin::IdleWork work([record, caller, readerHeldUp] {
            record->runs++;
            if (std::this_thread::get_id() == caller) {
                record->runsOnCaller++;
                return;
            }
            record->readerPolicy = sched_getscheduler(0);
            record->readerStarted.set_value();
            if (readerHeldUp) record->release.wait();
        });
        if (begin) {
            work.Begin();
            work.Begin();  // once only
            if (readerHeldUp)
                record->readerStarted.get_future().wait();
            else
                QTRY_VERIFY(work.Done());
        }
        work.Finish();
        work.Finish();  // already made sure of
        QCOMPARE(record->runs.load(), runs);
        QCOMPARE(record->runsOnCaller.load(), runsOnCaller);
        if (begin) QCOMPARE(record->readerPolicy.load(), SCHED_IDLE);
    }
    // A reader still held up when its IdleWork goes is left to end on its own.
    record->releaseReader.set_value();
}

QTEST_GUILESS_MAIN(IdleWorkTest)
#include "IdleWorkTest.moc"
