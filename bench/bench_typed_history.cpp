// SPDX-License-Identifier: GPL-3.0-or-later
// A history that grows by typing: expressions typed key by key into the real window's input box
// and Enter pressed, on a real display (scripts/run-bench runs it on Xvfb).
//
//   BM_TypedLines/<lines>/<pace>   memory a typed line costs (VmRSS after less before, divided by
//                                  the lines). Pace 1 lets the window paint each line before the
//                                  next is typed; pace 0 types bursts of kBurst lines between
//                                  passes of the event loop, as keys that come faster than the
//                                  window paints are handled, so the window paints once a burst.
//   BM_EnterAtTypedLines/<lines>   Enter to the line painted in the history once it holds that
//                                  many lines: all but the last kTypedTail opened as a file (typing
//                                  a million lines takes a quarter of an hour on a shared machine,
//                                  and an opened file groups its lines as typed ones are grouped),
//                                  the rest typed as fast as possible.
//
// For massif, run one of them alone, e.g.
//   valgrind --tool=massif bench_typed_history --benchmark_filter='BM_TypedLines/20000/1'
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QKeyEvent>
#include <QStringList>
#include <QTextDocument>
#include <QTextEdit>
#include <cstdlib>
#include <malloc.h>
#include <memory>

#include "platform/fakes/FakeMessageBoxes.h"
#include "platform/fakes/FakeVoice.h"
#include "tests/window/support/WindowControls.h"
#include "window/ResultsHistory.h"
#include "window/UnitMain.h"

namespace {

using namespace ferrolin::testing;

long ResidentKilobytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').front().toLong();
    }
    return -1;
}

// Counts the history box's paints, so that the window's pace can wait for the next one.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* watched) { watched->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override
    {
        paints += event->type() == QEvent::Paint;
        return false;
    }
    long paints = 0;
};

// The real window, shown, with speech and message boxes faked.
struct TypingWindow {
    TypingWindow()
    {
        platform.messageBoxes = &boxes;
        platform.makeVoice = [] { return std::make_unique<ferrolin::FakeVoice>(); };
        form = std::make_unique<ferrolin::TForm1>(platform);
        form->show();
        input = InputBox(*form);
        history = HistoryBox(*form);
        painted = std::make_unique<PaintCounter>(history->viewport());
        input->setFocus();
        while (painted->paints == 0)
            QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }

    void Key(int key, const QString& text)
    {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
        QApplication::sendEvent(input, &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
        QApplication::sendEvent(input, &release);
    }

    // Types line `n`'s expression and presses Enter; at the window's pace, waits for the paint
    // that shows it.
    void TypeLine(long n, bool windowPace)
    {
        input->clear();
        const QString expression = QStringLiteral("%1*3+0.5").arg(n);
        for (const QChar c : expression)
            Key(c.isDigit() ? Qt::Key_0 + c.digitValue() : c.unicode(), QString(c));
        const long before = painted->paints;
        Key(Qt::Key_Return, QStringLiteral("\r"));
        if (!windowPace)
            return;
        const QDeadlineTimer patience(5000);
        while (painted->paints == before && !patience.hasExpired())
            QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    }

    // Types `lines` lines. Keys reach a real window through its event loop, which handles all
    // that have come before it paints once: as fast as possible is bursts of lines between passes.
    static constexpr long kBurst = 32;
    void Type(long lines, bool windowPace)
    {
        for (long n = 0; n < lines; ++n) {
            TypeLine(n, windowPace);
            if (!windowPace && n % kBurst == kBurst - 1)
                QApplication::processEvents();
        }
        QApplication::processEvents();
    }

    ferrolin::FakeMessageBoxes boxes;
    ferrolin::Platform platform;
    std::unique_ptr<ferrolin::TForm1> form;
    QTextEdit* input = nullptr;
    QTextEdit* history = nullptr;
    std::unique_ptr<PaintCounter> painted;
};

void BM_TypedLines(benchmark::State& state)
{
    const long lines = state.range(0);
    const bool windowPace = state.range(1) != 0;
    for (auto _ : state) {
        TypingWindow window;
        // Memory an earlier benchmark freed would otherwise be reused without showing in VmRSS.
        malloc_trim(0);
        const long before = ResidentKilobytes();
        const long paintsBefore = window.painted->paints;
        window.Type(lines, windowPace);
        const long after = ResidentKilobytes();
        state.counters["bytes_per_line"] = (after - before) * 1024.0 / static_cast<double>(lines);
        state.counters["paints_per_line"] = static_cast<double>(window.painted->paints - paintsBefore) / static_cast<double>(lines);
        state.counters["history_lines"] = static_cast<double>(window.form->History().Lines().size());
        if (!window.boxes.calls().empty())
            state.SkipWithError("an evaluation failed");
    }
}

constexpr long kTypedTail = 20000;

void BM_EnterAtTypedLines(benchmark::State& state)
{
    const long lines = state.range(0);
    TypingWindow window;
    QStringList opened;
    for (long n = kTypedTail; n < lines; ++n)
        opened << QStringLiteral("%1*3+0.5= %2.50").arg(n).arg(3 * n);
    window.form->History().Load(opened);
    opened.clear();
    window.Type(kTypedTail, false);
    window.history->viewport()->repaint();
    for (auto _ : state) {
        state.PauseTiming();
        window.input->setPlainText(QStringLiteral("sin(pi/2)*3"));
        state.ResumeTiming();
        window.Key(Qt::Key_Return, QStringLiteral("\r"));
        window.history->viewport()->repaint();  // the new line laid out and painted
    }
    state.counters["history_lines"] = static_cast<double>(window.form->History().Lines().size());
    if (!window.boxes.calls().empty())
        state.SkipWithError("an evaluation failed");
}

}  // namespace

BENCHMARK(BM_TypedLines)->Args({20000, 1})->Args({20000, 0})->Unit(benchmark::kSecond)->Iterations(1);
BENCHMARK(BM_EnterAtTypedLines)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(200);

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
