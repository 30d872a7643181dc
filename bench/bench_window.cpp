// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's costs: Enter to the history line on screen with 100,000 lines already in
// the history, and start-up to the first painted frame against a bare QMainWindow.
//
//   bench_window                         runs the benchmarks (each start-up is a child process)
//   bench_window --first-shown=form      starts the real window, prints "<ns> <VmRSS kB> <speech>"
//   bench_window --first-shown=bare      the same for a QMainWindow holding one QTextEdit
//
// Start-up means shown on a display: scripts/run-bench runs this program on a private X server
// (Xvfb, the xcb platform) when it can. Offscreen works too, but skips the window system's part,
// which is the same for both windows, and so makes any difference look larger.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QMainWindow>
#include <QProcess>
#include <QTextCursor>
#include <QTextEdit>
#include <QTimer>
#include <chrono>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>
#include <optional>

#include "platform/ScreenReaderPresence.h"
#include "platform/SpeechDispatcherVoice.h"
#include "platform/UiLanguage.h"
#include "platform/fakes/FakeMessageBoxes.h"
#include "platform/fakes/FakeVoice.h"
#include "window/ChevronIconStyle.h"
#include "window/StartUpFonts.h"
#include "window/SpokenFeedback.h"
#include "window/UnitMain.h"
#include "tests/window/support/WindowControls.h"

namespace {

using namespace ferrolin::testing;

using Clock = std::chrono::steady_clock;

long ResidentKilobytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return -1;
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:")) {
            return line.mid(6).trimmed().split(' ').front().toLong();
        }
    }
    return -1;
}

// Stops at the end of the event-loop pass that paints the window for the first time.
class FirstPaintWatcher : public QObject {
public:
    FirstPaintWatcher(QWidget* window, Clock::time_point start, std::function<bool()> speechConnected)
        : window_(window), start_(start), speechConnected_(std::move(speechConnected)) {
        qApp->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!seen_ && event->type() == QEvent::Paint && watched == window_) {
            seen_ = true;
            QTimer::singleShot(0, qApp, [this] {
                const auto elapsed = std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now() - start_);
                std::printf("%lld %ld %d\n", static_cast<long long>(elapsed.count()), ResidentKilobytes(),
                            speechConnected_() ? 1 : 0);
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        }
        return false;
    }

private:
    QWidget* window_;
    Clock::time_point start_;
    std::function<bool()> speechConnected_;
    bool seen_ = false;
};

int RunFirstShown(int argc, char** argv, const std::string& which) {
    const Clock::time_point start = Clock::now();
    if (which != "bare") ferrolin::BeginReadingFontConfiguration();  // as main() does
    QApplication app(argc, argv);
    if (which == "bare") {
        QMainWindow window;
        window.setCentralWidget(new QTextEdit(&window));
        FirstPaintWatcher watcher(&window, start, [] { return false; });
        window.show();
        return app.exec();
    }
    // As main() starts the program.
    ferrolin::InstallUiLanguage(app);
    QApplication::setStyle(new ferrolin::ChevronIconStyle);
    ferrolin::FakeMessageBoxes boxes;
    ferrolin::Platform platform;
    platform.makeVoice = [] { return std::make_unique<ferrolin::SpeechDispatcherVoice>(); };
    platform.messageBoxes = &boxes;
    ferrolin::ScreenReaderPresence screenReader;
    platform.screenReaderRunning = [&screenReader] { return screenReader.IsRunning(); };
    ferrolin::TForm1 form(platform);
    FirstPaintWatcher watcher(&form, start, [&form] {
        auto* voice = dynamic_cast<ferrolin::SpeechDispatcherVoice*>(form.Speech().voice());
        return voice && voice->isConnected();
    });
    form.show();
    return app.exec();
}

char* selfPath = nullptr;

struct ChildStart {
    double ms = 0;
    long rssKilobytes = 0;
    int speechConnected = 0;
};

std::optional<ChildStart> StartChild(const char* which) {
    QProcess child;
    child.start(QString::fromLocal8Bit(selfPath), {QStringLiteral("--first-shown=%1").arg(which)});
    if (!child.waitForFinished(30000) || child.exitCode() != 0) return std::nullopt;
    const QList<QByteArray> fields = child.readAllStandardOutput().trimmed().split(' ');
    if (fields.size() != 3) return std::nullopt;
    return ChildStart{fields[0].toLongLong() / 1e6, fields[1].toLong(), fields[2].toInt()};
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// Each iteration starts the bare window and then ours, so that a busy moment of the shared
// machine falls on both alike; the counters are the medians of all iterations, their ratio for
// the time and their difference for the resident memory.
void BM_StartUpToFirstShown(benchmark::State& state) {
    std::vector<double> bare, form, bareMiB, formMiB;
    int speechConnected = 0;
    for (auto _ : state) {
        const std::optional<ChildStart> plain = StartChild("bare");
        const std::optional<ChildStart> ours = StartChild("form");
        if (!plain || !ours) {
            state.SkipWithError("a child did not show its window");
            return;
        }
        bare.push_back(plain->ms);
        form.push_back(ours->ms);
        bareMiB.push_back(plain->rssKilobytes / 1024.0);
        formMiB.push_back(ours->rssKilobytes / 1024.0);
        state.SetIterationTime(ours->ms / 1e3);
        speechConnected = ours->speechConnected;
    }
    const double bareMs = Median(bare), formMs = Median(form);
    state.counters["bare_ms"] = bareMs;
    state.counters["main_ms"] = formMs;
    state.counters["main_over_bare"] = formMs / bareMs;
    const double formMiBMedian = Median(formMiB);
    state.counters["VmRSS_MiB"] = formMiBMedian;
    state.counters["VmRSS_over_bare_MiB"] = formMiBMedian - Median(bareMiB);
    state.counters["speech_connected"] = speechConnected;
}

void BM_EnterToHistoryLine(benchmark::State& state) {
    const int existingLines = static_cast<int>(state.range(0));
    ferrolin::FakeMessageBoxes boxes;
    ferrolin::Platform platform;
    platform.messageBoxes = &boxes;
    platform.makeVoice = [] { return std::make_unique<ferrolin::FakeVoice>(); };
    ferrolin::TForm1 form(platform);
    {
        QTextCursor end(HistoryBox(form)->document());
        for (int i = 0; i < existingLines; ++i) {
            if (i > 0) {
                end.insertBlock();
            }
            end.insertText(QStringLiteral("sin(pi/%1)*3= 2.12").arg(i));
        }
    }
    form.show();
    QApplication::processEvents();
    QWidget* history = HistoryBox(form)->viewport();
    QTextEdit* input = InputBox(form);
    history->repaint();

    for (auto _ : state) {
        state.PauseTiming();
        input->setPlainText(QStringLiteral("sin(pi/2)*3"));
        state.ResumeTiming();
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
        QApplication::sendEvent(input, &press);
        history->repaint();  // the new line laid out and painted
    }
    if (boxes.calls().size() != 0) {
        state.SkipWithError("evaluation failed");
    }
    state.counters["history_lines"] = HistoryBox(form)->document()->blockCount();
}

}  // namespace

BENCHMARK(BM_StartUpToFirstShown)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(40);
BENCHMARK(BM_EnterToHistoryLine)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(200);

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "--first-shown=", 14) == 0) {
            return RunFirstShown(argc, argv, argv[i] + 14);
        }
    }
    selfPath = argv[0];
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
