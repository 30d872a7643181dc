// SPDX-License-Identifier: GPL-3.0-or-later
// The results file with a long history: writing and reading 100,000 lines, in memory and
// through a file on disk.
#include "formats/RtfReader.h"
#include "formats/RtfWriter.h"

#include <QDir>
#include <QFile>
#include <QStringList>
#include <benchmark/benchmark.h>

using namespace ferrolin;

namespace {

constexpr int kLines = 100'000;

// Lines like the ones evaluations append, with some non-ASCII so \u escapes are exercised.
QStringList History() {
    QStringList lines;
    lines.reserve(kLines);
    for (int i = 0; i < kLines; ++i) {
        if (i % 10 == 0) {
            lines.append(QStringLiteral("mean(%1,2,3)*\u03C0= %2 \u20AC").arg(i).arg(i * 2.0943951, 0, 'f', 2));
        } else {
            lines.append(QStringLiteral("sqrt(%1)+sin(pi/%2)= %3").arg(i).arg(i % 7 + 1).arg(i * 0.5, 0, 'f', 2));
        }
    }
    return lines;
}

const QStringList& SharedHistory() {
    static const QStringList lines = History();
    return lines;
}

QString FilePath() { return QDir(QDir::tempPath()).filePath("ferrolin-bench-rtf.rtf"); }

void SetCounters(benchmark::State& state, qsizetype bytes) {
    state.counters["lines"] = kLines;
    state.counters["bytes"] = static_cast<double>(bytes);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * bytes);
}

void BM_WriteRtfInMemory(benchmark::State& state) {
    const QStringList& lines = SharedHistory();
    qsizetype size = 0;
    for (auto _ : state) {
        QByteArray rtf = WriteRtf(lines, "Tahoma");
        size = rtf.size();
        benchmark::DoNotOptimize(rtf);
    }
    SetCounters(state, size);
}

void BM_ReadRtfInMemory(benchmark::State& state) {
    const QByteArray rtf = WriteRtf(SharedHistory(), "Tahoma");
    for (auto _ : state) {
        std::optional<HistoryText> lines = ReadResultsHistory(rtf);
        if (!lines || lines->lineCount != kLines) state.SkipWithError("lines lost");
        benchmark::DoNotOptimize(lines);
    }
    SetCounters(state, rtf.size());
}

void BM_WriteRtfFile(benchmark::State& state) {
    const QStringList& lines = SharedHistory();
    qsizetype size = 0;
    for (auto _ : state) {
        QFile file(FilePath());
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) state.SkipWithError("cannot create file");
        const QByteArray rtf = WriteRtf(lines, "Tahoma");
        size = rtf.size();
        if (file.write(rtf) != size) state.SkipWithError("short write");
    }
    SetCounters(state, size);
}

void BM_ReadRtfFile(benchmark::State& state) {
    QByteArray rtf = WriteRtf(SharedHistory(), "Tahoma");
    {
        QFile file(FilePath());
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(rtf) != rtf.size()) {
            state.SkipWithError("cannot write the file to read");
            return;
        }
    }
    for (auto _ : state) {
        QFile file(FilePath());
        if (!file.open(QIODevice::ReadOnly)) state.SkipWithError("cannot open file");
        std::optional<HistoryText> lines = ReadResultsHistory(file.readAll());
        if (!lines || lines->lineCount != kLines) state.SkipWithError("lines lost");
        benchmark::DoNotOptimize(lines);
    }
    SetCounters(state, rtf.size());
    QFile::remove(FilePath());
}

void BM_ReadPlainTextInMemory(benchmark::State& state) {
    const QByteArray text = SharedHistory().join('\n').toUtf8();
    for (auto _ : state) {
        std::optional<HistoryText> lines = ReadResultsHistory(text);
        benchmark::DoNotOptimize(lines);
    }
    SetCounters(state, text.size());
}

}  // namespace

BENCHMARK(BM_WriteRtfInMemory)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadRtfInMemory)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteRtfFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadRtfFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadPlainTextInMemory)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
