// SPDX-License-Identifier: GPL-3.0-or-later
// Save and Open of a 100,000-line results history through the window's own commands.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTextEdit>
#include <memory>

#include "platform/fakes/FakeFileDialogs.h"
#include "platform/fakes/FakeMessageBoxes.h"
#include "formats/RtfReader.h"
#include "window/ResultsHistory.h"
#include "window/UnitMain.h"
#include "tests/window/support/WindowControls.h"

namespace {

using namespace ferrolin::testing;
using ferrolin::DocumentCommand;

constexpr int kLines = 100000;

struct Window {
    ferrolin::FakeMessageBoxes boxes;
    ferrolin::FakeFileDialogs dialogs;
    std::unique_ptr<ferrolin::TForm1> form;
    QTemporaryDir folder;

    Window()
    {
        ferrolin::Platform platform;
        platform.messageBoxes = &boxes;
        platform.fileDialogs = &dialogs;
        form = std::make_unique<ferrolin::TForm1>(platform);
        QStringList lines;
        lines.reserve(kLines);
        for (int i = 0; i < kLines; ++i)
            lines << QStringLiteral("sin(pi/%1)*%2= %3").arg(i % 90 + 1).arg(i).arg(i * 0.5, 0, 'f', 2);
        HistoryBox(*form)->setPlainText(lines.join(QLatin1Char('\n')));
        form->FileSaveAs1Accept(folder.filePath(QStringLiteral("history.rtf")));
        boxes.saveChoice = ferrolin::MessageBoxes::SaveChoice::Discard;  // nothing to keep at the end
        form->show();
        QApplication::processEvents();
    }
};

// Made on first use and closed in main(), while the QApplication still exists.
std::unique_ptr<Window> sharedWindow;

Window& SharedWindow()
{
    if (!sharedWindow)
        sharedWindow = std::make_unique<Window>();
    return *sharedWindow;
}

void BM_SaveHistory(benchmark::State& state)
{
    Window& window = SharedWindow();
    for (auto _ : state)
        CommandAction(*window.form, DocumentCommand::Save)->trigger();
    if (!window.boxes.errors().isEmpty())
        state.SkipWithError(window.boxes.errors().first().toUtf8().constData());
    state.counters["lines"] = kLines;
}
BENCHMARK(BM_SaveHistory)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_OpenHistory(benchmark::State& state)
{
    Window& window = SharedWindow();
    CommandAction(*window.form, DocumentCommand::Save)->trigger();
    const QString file = window.form->Documents().ResultsFile().Filename();
    for (auto _ : state) {
        window.dialogs.openAnswers << ferrolin::FileDialogChoice{file, 0};
        CommandAction(*window.form, DocumentCommand::Open)->trigger();
        QApplication::processEvents();  // the opened history laid out and painted
    }
    if (!window.boxes.errors().isEmpty())
        state.SkipWithError(window.boxes.errors().first().toUtf8().constData());
    if (window.form->History().Lines().size() != kLines)
        state.SkipWithError("the opened history lost lines");
    state.counters["lines"] = kLines;
}
BENCHMARK(BM_OpenHistory)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// The two halves of Open, to see where its time goes.
void BM_OpenPartReadAndParse(benchmark::State& state)
{
    Window& window = SharedWindow();
    CommandAction(*window.form, DocumentCommand::Save)->trigger();
    QFile file(window.form->Documents().ResultsFile().Filename());
    if (!file.open(QIODevice::ReadOnly)) {
        state.SkipWithError("cannot read the saved history");
        return;
    }
    const QByteArray bytes = file.readAll();
    for (auto _ : state)
        benchmark::DoNotOptimize(ferrolin::ReadResultsHistory(bytes));
}
BENCHMARK(BM_OpenPartReadAndParse)->Unit(benchmark::kMillisecond)->MinTime(1.0);

void BM_OpenPartFillHistory(benchmark::State& state)
{
    Window& window = SharedWindow();
    const QStringList lines = window.form->History().Lines();
    for (auto _ : state)
        window.form->History().Load(lines);
}
BENCHMARK(BM_OpenPartFillHistory)->Unit(benchmark::kMillisecond)->MinTime(1.0);

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    sharedWindow.reset();
    return 0;
}
