// SPDX-License-Identifier: GPL-3.0-or-later
// A long results history on a real display: how long Open holds the window, and how fast the
// window answers afterwards (scrolling, typing, Enter, and a screen reader's questions), at
// 100,000, 500,000 and 1,000,000 lines.
//
// Run it on a window system with and without the accessibility bridge:
//   xvfb-run -a bench_history_display
//   xvfb-run -a dbus-run-session -- env QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 bench_history_display
// (scripts/run-bench does both). The counter "bridge" says whether the bridge was on.
//
// Open's time counts everything the window could not answer in: the command itself and every
// pause of more than kStallMs in the event loop during the kSettleMs after it, measured by a
// timer that should fire every kTickMs. A freeze longer than kGiveUpSeconds ends the program
// with a message instead of a number.
#include <benchmark/benchmark.h>

#include <QAccessible>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextEdit>
#include <QTimer>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <thread>

#include "platform/fakes/FakeFileDialogs.h"
#include "platform/fakes/FakeMessageBoxes.h"
#include "formats/RtfWriter.h"
#include "window/ResultsHistory.h"
#include "window/UnitMain.h"
#include "tests/window/support/WindowControls.h"

namespace {

using namespace ferrolin::testing;
using ferrolin::DocumentCommand;

constexpr int kTickMs = 5;
constexpr int kStallMs = 50;
constexpr int kSettleMs = 3000;
constexpr int kGiveUpSeconds = 120;

// Ends the program if the GUI thread stops answering for kGiveUpSeconds: a frozen window would
// otherwise hold the benchmark for as long as it stays frozen.
class Watchdog {
public:
    Watchdog()
        : thread_([this] {
              while (!stop_) {
                  std::this_thread::sleep_for(std::chrono::milliseconds(200));
                  const auto silent = std::chrono::steady_clock::now().time_since_epoch().count() - lastBeat_.load();
                  if (silent > std::chrono::nanoseconds(std::chrono::seconds(kGiveUpSeconds)).count()) {
                      std::fprintf(stderr, "the window did not answer for %d s: frozen\n", kGiveUpSeconds);
                      std::fflush(stderr);
                      std::_Exit(2);
                  }
              }
          })
    {
    }
    ~Watchdog()
    {
        stop_ = true;
        thread_.join();
    }
    void Beat() { lastBeat_ = std::chrono::steady_clock::now().time_since_epoch().count(); }

private:
    std::atomic<bool> stop_{false};
    std::atomic<long long> lastBeat_{std::chrono::steady_clock::now().time_since_epoch().count()};
    std::thread thread_;
};

Watchdog* watchdog = nullptr;

// Runs the event loop for `ms` and returns the time it spent in pauses longer than kStallMs.
qint64 StalledMilliseconds(int ms, qint64* longest = nullptr)
{
    QElapsedTimer clock;
    clock.start();
    qint64 last = 0, stalled = 0, worst = 0;
    QTimer tick;
    tick.setInterval(kTickMs);
    QObject::connect(&tick, &QTimer::timeout, [&] {
        watchdog->Beat();
        const qint64 now = clock.elapsed();
        const qint64 gap = now - last;
        if (gap > kStallMs)
            stalled += gap;
        worst = std::max(worst, gap);
        last = now;
    });
    tick.start();
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
    const qint64 gap = clock.elapsed() - last;
    if (gap > kStallMs)
        stalled += gap;
    if (longest)
        *longest = std::max(worst, gap);
    return stalled;
}

QStringList HistoryLines(int count)
{
    QStringList lines;
    lines.reserve(count);
    for (int i = 0; i < count; ++i)
        lines << QStringLiteral("sin(pi/%1)*%2= %3").arg(i % 90 + 1).arg(i).arg(i * 0.5, 0, 'f', 2);
    return lines;
}

struct Window {
    ferrolin::FakeMessageBoxes boxes;
    ferrolin::FakeFileDialogs dialogs;
    std::unique_ptr<ferrolin::TForm1> form;
    QTemporaryDir folder;
    QString file;
    int lines;

    // The history file is plain text, or RTF as Save writes it.
    explicit Window(int lineCount, bool rtf = false) : Window(HistoryLines(lineCount), rtf) {}
    explicit Window(const QStringList& content, bool rtf = false) : lines(static_cast<int>(content.size()))
    {
        ferrolin::Platform platform;
        platform.messageBoxes = &boxes;
        platform.fileDialogs = &dialogs;
        boxes.saveChoice = ferrolin::MessageBoxes::SaveChoice::Discard;  // each Open replaces the history
        form = std::make_unique<ferrolin::TForm1>(platform);
        form->show();
        form->activateWindow();
        StalledMilliseconds(300);
        file = folder.filePath(rtf ? QStringLiteral("history.rtf") : QStringLiteral("history.txt"));
        const QByteArray bytes = rtf ? ferrolin::WriteRtf(content, HistoryBox(*form)->document()->defaultFont().family())
                                     : content.join(QLatin1Char('\n')).toUtf8();
        QFile out(file);
        if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size())
            std::abort();
    }

    // Opens the history file; returns how long the window was held.
    qint64 Open(qint64* command = nullptr)
    {
        dialogs.openAnswers << ferrolin::FileDialogChoice{file, 1};
        QElapsedTimer clock;
        clock.start();
        CommandAction(*form, DocumentCommand::Open)->trigger();
        const qint64 held = clock.elapsed();
        watchdog->Beat();
        if (command)
            *command = held;
        return held + StalledMilliseconds(kSettleMs);
    }

    QAccessibleTextInterface* Reader() const
    {
        QAccessibleInterface* box = QAccessible::queryAccessibleInterface(HistoryBox(*form));
        return box ? box->textInterface() : nullptr;
    }
};

// One window, opened once, for every question about one size of history.
std::unique_ptr<Window> shared;

Window& OpenedWindow(int lines)
{
    if (!shared || shared->lines != lines) {
        shared.reset();
        shared = std::make_unique<Window>(lines);
        shared->Open();
    }
    return *shared;
}

void Counters(benchmark::State& state, int lines)
{
    state.counters["lines"] = lines;
    state.counters["bridge"] = QAccessible::isActive() ? 1 : 0;
}

void BM_OpenOnDisplay(benchmark::State& state)
{
    const int lines = static_cast<int>(state.range(0));
    const bool rtf = state.range(1) != 0;
    shared.reset();
    Window window(lines, rtf);
    qint64 worstHeld = 0, worstCommand = 0;
    for (auto _ : state) {
        qint64 command = 0;
        const qint64 held = window.Open(&command);
        worstHeld = std::max(worstHeld, held);
        worstCommand = std::max(worstCommand, command);
        state.SetIterationTime(static_cast<double>(held) / 1000);
    }
    if (window.form->History().Lines().size() != lines)
        state.SkipWithError("the opened history lost lines");
    if (!window.boxes.errors().isEmpty())
        state.SkipWithError(window.boxes.errors().first().toUtf8().constData());
    Counters(state, lines);
    state.counters["worst_held_ms"] = static_cast<double>(worstHeld);
    state.counters["open_command_ms"] = static_cast<double>(worstCommand);
    state.counters["rtf"] = rtf ? 1 : 0;
}
BENCHMARK(BM_OpenOnDisplay)->ArgsProduct({{100000, 500000, 1000000}, {0, 1}})->ArgNames({"lines", "rtf"})
    ->Iterations(3)->UseManualTime()->Unit(benchmark::kMillisecond);

// One line of `length` characters without a break opportunity ("1+1+..."): how long Open, then
// Enter and a scroll through the line, hold the window.
void BM_OpenLongLine(benchmark::State& state)
{
    const int length = static_cast<int>(state.range(0));
    shared.reset();
    QString line = QStringLiteral("1+").repeated(length / 2);
    line.truncate(length - 1);
    line += QLatin1Char('1');
    Window window(QStringList{line});
    qint64 worstHeld = 0, worstEnter = 0, worstScroll = 0;
    QElapsedTimer clock;
    for (auto _ : state) {
        const qint64 held = window.Open();
        worstHeld = std::max(worstHeld, held);
        clock.start();
        InputBox(*window.form)->setPlainText(QStringLiteral("2+2"));
        window.form->EvaluateInput();
        HistoryBox(*window.form)->viewport()->repaint();
        QApplication::processEvents();
        worstEnter = std::max(worstEnter, clock.elapsed());
        clock.start();
        QScrollBar* bar = HistoryBox(*window.form)->verticalScrollBar();
        bar->setValue(bar->maximum() / 2);
        HistoryBox(*window.form)->viewport()->repaint();
        QApplication::processEvents();
        worstScroll = std::max(worstScroll, clock.elapsed());
        watchdog->Beat();
        state.SetIterationTime(static_cast<double>(held) / 1000);
    }
    const QStringList history = window.form->History().Lines();
    if (history.size() != 2 || history.first() != line)
        state.SkipWithError("the long line was not kept whole");
    Counters(state, 1);
    state.counters["worst_held_ms"] = static_cast<double>(worstHeld);
    state.counters["enter_ms"] = static_cast<double>(worstEnter);
    state.counters["scroll_ms"] = static_cast<double>(worstScroll);
}
BENCHMARK(BM_OpenLongLine)->Arg(300000)->Arg(1000000)->Arg(10000000)->ArgNames({"chars"})
    ->Iterations(2)->UseManualTime()->Unit(benchmark::kMillisecond);

// Each answer below is timed to the end of the event-loop pass that paints it; "worst_ms" is the
// slowest single answer (the first visit of a place lays it out).
template <typename Action>
void TimeAnswers(benchmark::State& state, Action action)
{
    const int lines = static_cast<int>(state.range(0));
    Window& window = OpenedWindow(lines);
    int step = 0;
    qint64 worst = 0;
    QElapsedTimer clock;
    for (auto _ : state) {
        clock.start();
        action(window, step++);
        QApplication::processEvents();
        worst = std::max(worst, clock.nsecsElapsed());
        watchdog->Beat();
    }
    Counters(state, lines);
    state.counters["worst_ms"] = static_cast<double>(worst) / 1e6;
}

void BM_ScrollHistory(benchmark::State& state)
{
    TimeAnswers(state, [](Window& window, int step) {
        QScrollBar* bar = HistoryBox(*window.form)->verticalScrollBar();
        // Top, end, and places between, so that every jump lands on lines not seen before.
        const int places[] = {bar->maximum(), 0, bar->maximum() / 2, bar->maximum() / 3 * 2, bar->maximum() / 7};
        bar->setValue(places[step % 5] - step % 97);
        HistoryBox(*window.form)->viewport()->repaint();
    });
}

void BM_TypeInExpression(benchmark::State& state)
{
    TimeAnswers(state, [](Window& window, int step) {
        QWidget* box = InputBox(*window.form);
        const Qt::Key key = step % 8 == 7 ? Qt::Key_Backspace : Qt::Key_1;
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, key == Qt::Key_1 ? QStringLiteral("1") : QString());
        QApplication::sendEvent(box, &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
        QApplication::sendEvent(box, &release);
        box->repaint();
    });
}

void BM_EnterAddsHistoryLine(benchmark::State& state)
{
    TimeAnswers(state, [](Window& window, int) {
        InputBox(*window.form)->setPlainText(QStringLiteral("2+3"));
        window.form->EvaluateInput();
        HistoryBox(*window.form)->viewport()->repaint();
    });
}

// Dragging the window's edge: every width change wraps the history anew.
void BM_ResizeWindow(benchmark::State& state)
{
    TimeAnswers(state, [](Window& window, int step) {
        const QSize size = window.form->size();
        window.form->resize(size.width() + (step % 2 == 0 ? 40 : -40), size.height());
        window.form->repaint();
    });
}

// What a screen reader asks when it lands on the history: the line at the caret (which Enter has
// left at the end), the text around it, a line far from it, and the character count.
void BM_ReaderLineAtCaret(benchmark::State& state)
{
    TimeAnswers(state, [](Window& window, int) {
        QAccessibleTextInterface* reader = window.Reader();
        int start = 0, end = 0;
        benchmark::DoNotOptimize(reader->textAtOffset(reader->cursorPosition(), QAccessible::LineBoundary, &start, &end));
    });
}

void BM_ReaderTextAroundCaret(benchmark::State& state)
{
    TimeAnswers(state, [](Window& window, int) {
        QAccessibleTextInterface* reader = window.Reader();
        const int caret = reader->cursorPosition();
        benchmark::DoNotOptimize(reader->text(std::max(0, caret - 160), caret));
        benchmark::DoNotOptimize(reader->characterRect(std::max(0, caret - 1)));
    });
}

void BM_ReaderLineFarAway(benchmark::State& state)
{
    TimeAnswers(state, [](Window& window, int step) {
        QAccessibleTextInterface* reader = window.Reader();
        const int count = reader->characterCount();
        int start = 0, end = 0;
        const int offset = static_cast<int>((static_cast<long long>(count) * ((step * 37) % 100)) / 100);
        benchmark::DoNotOptimize(reader->textAtOffset(offset, QAccessible::LineBoundary, &start, &end));
    });
}

void BM_ReaderCharacterCount(benchmark::State& state)
{
    TimeAnswers(state, [](Window& window, int) { benchmark::DoNotOptimize(window.Reader()->characterCount()); });
}

#define HISTORY_SIZES Arg(100000)->Arg(500000)->Arg(1000000)->Unit(benchmark::kMillisecond)->MinTime(0.5)
BENCHMARK(BM_ScrollHistory)->HISTORY_SIZES;
BENCHMARK(BM_TypeInExpression)->HISTORY_SIZES;
BENCHMARK(BM_EnterAddsHistoryLine)->HISTORY_SIZES;
BENCHMARK(BM_ResizeWindow)->HISTORY_SIZES;
BENCHMARK(BM_ReaderLineAtCaret)->HISTORY_SIZES;
BENCHMARK(BM_ReaderTextAroundCaret)->HISTORY_SIZES;
BENCHMARK(BM_ReaderLineFarAway)->HISTORY_SIZES;
BENCHMARK(BM_ReaderCharacterCount)->HISTORY_SIZES;

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", qEnvironmentVariableIsEmpty("DISPLAY") ? "offscreen" : "xcb");
    QApplication app(argc, argv);
    if (qEnvironmentVariableIsSet("QT_LINUX_ACCESSIBILITY_ALWAYS_ON")) {
        // The bridge connects to the accessibility bus in the background; measure with it on.
        QElapsedTimer clock;
        clock.start();
        while (!QAccessible::isActive() && clock.elapsed() < 10000)
            QApplication::processEvents(QEventLoop::AllEvents, 50);
        if (!QAccessible::isActive())
            std::fprintf(stderr, "the accessibility bridge did not come on: is the AT-SPI bus running?\n");
    }
    Watchdog dog;
    watchdog = &dog;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    shared.reset();
    return 0;
}
