// SPDX-License-Identifier: GPL-3.0-or-later
// One-shot evaluation of every corpus line: ours, muparser, and strtold as the floor (reading
// every number of the text is the least any evaluator must do).
//   FERROLIN_CORPUS=path bench_evaluator
#include <benchmark/benchmark.h>
#include <muParser.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "evaluator/MyParser.h"

namespace {

const std::vector<std::string>& Corpus() {
    static const std::vector<std::string> lines = [] {
        const char* path = std::getenv("FERROLIN_CORPUS");
        std::ifstream in(path ? path : FERROLIN_DEFAULT_CORPUS);
        std::vector<std::string> out;
        for (std::string line; std::getline(in, line);)
            if (!line.empty()) out.push_back(line);
        if (out.empty()) {
            std::cerr << "bench_evaluator: empty or missing corpus "
                      << (path ? path : FERROLIN_DEFAULT_CORPUS) << "\n";
            std::exit(1);
        }
        return out;
    }();
    return lines;
}

void Finish(benchmark::State& state) {
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(Corpus().size()));
}

void BM_Ferrolin(benchmark::State& state) {
    std::int64_t failures = 0;
    for (auto _ : state) {
        for (const auto& line : Corpus()) {
            std::string text(line);  // fresh text each call, as the window hands it over
            const ferrolin::Evaluation result = ferrolin::Evaluate(text);
            failures += !result.ok();
            benchmark::DoNotOptimize(result.value);
        }
    }
    state.counters["failures_per_pass"] =
        static_cast<double>(failures) / static_cast<double>(state.iterations());
    Finish(state);
}

void BM_MuParser(benchmark::State& state) {
    std::int64_t failures = 0;
    for (auto _ : state) {
        for (const auto& line : Corpus()) {
            std::string text(line);
            mu::Parser parser;
            parser.DefineConst("pi", 3.14159265358979323846);
            parser.DefineConst("e", 2.71828182845904523536);
            double value = 0;
            try {
                parser.SetExpr(text);
                value = parser.Eval();
            } catch (const mu::Parser::exception_type&) {
                ++failures;  // rejecting a text is work too
            }
            benchmark::DoNotOptimize(value);
        }
    }
    state.counters["failures_per_pass"] =
        static_cast<double>(failures) / static_cast<double>(state.iterations());
    Finish(state);
}

// The floor: every number literal of the text read with strtold, the one piece of work no
// evaluator can skip. A literal starts at a digit or a point; strtold decides where it ends.
void BM_StrtoldFloor(benchmark::State& state) {
    for (auto _ : state) {
        for (const auto& line : Corpus()) {
            std::string text(line);
            const char* p = text.c_str();
            while (*p != '\0') {
                if ((*p >= '0' && *p <= '9') || *p == '.') {
                    char* end = nullptr;
                    long double value = std::strtold(p, &end);
                    benchmark::DoNotOptimize(value);
                    p = end > p ? end : p + 1;
                } else {
                    ++p;
                }
            }
        }
    }
    Finish(state);
}

// For comparison only: strtold once at the start of each text. It reads nothing from a text
// that opens with a bracket or a function name, so it understates the floor.
void BM_StrtoldLeadingNumberOnly(benchmark::State& state) {
    for (auto _ : state) {
        for (const auto& line : Corpus()) {
            std::string text(line);
            char* end = nullptr;
            long double value = std::strtold(text.c_str(), &end);
            benchmark::DoNotOptimize(value);
            benchmark::DoNotOptimize(end);
        }
    }
    Finish(state);
}

// A failure against a success of the same length: the failing text costs about what the
// succeeding one does, since nothing unwinds.
void EvaluateOne(benchmark::State& state, const char* text) {
    for (auto _ : state) {
        const ferrolin::Evaluation result = ferrolin::Evaluate(text);
        benchmark::DoNotOptimize(result.value);
    }
}
void BM_FailingText(benchmark::State& state) { EvaluateOne(state, "2^-2"); }
void BM_SucceedingText(benchmark::State& state) { EvaluateOne(state, "2^02"); }

BENCHMARK(BM_Ferrolin);
BENCHMARK(BM_FailingText);
BENCHMARK(BM_SucceedingText);
BENCHMARK(BM_MuParser);
BENCHMARK(BM_StrtoldFloor);
BENCHMARK(BM_StrtoldLeadingNumberOnly);

// Collects the CPU time per expression of each benchmark to print the ratios at the end (CPU
// time, not wall time: the machine is shared and wall time swings with its load).
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        // With --benchmark_repetitions the median stands for the benchmark; without, the one run.
        for (const auto& run : runs) {
            if (const std::string& text = run.run_name.function_name;
                text == "BM_FailingText" || text == "BM_SucceedingText") {
                const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
                if (median || (run.run_type == Run::RT_Iteration && run.iterations > 0 && !medians_.count(text)))
                    single_[text] = run.GetAdjustedCPUTime();
                if (median) medians_.insert(text);
                continue;
            }
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            const bool single = run.run_type == Run::RT_Iteration && run.iterations > 0;
            const std::string& name = run.run_name.function_name;
            if (!median && !(single && !medians_.count(name))) continue;
            if (median) medians_.insert(name);
            nsPerExpression_[name] = run.GetAdjustedCPUTime() / static_cast<double>(Corpus().size());
        }
        ConsoleReporter::ReportRuns(runs);
    }
    void PrintRatios() const {
        auto at = [this](const char* name) {
            auto it = nsPerExpression_.find(name);
            return it == nsPerExpression_.end() ? 0.0 : it->second;
        };
        if (single_.count("BM_FailingText") && single_.count("BM_SucceedingText"))
            std::printf("failing 2^-2 / succeeding 2^02 = %.2fx (target <= 1.5x)\n",
                        single_.at("BM_FailingText") / single_.at("BM_SucceedingText"));
        const double ours = at("BM_Ferrolin"), mu = at("BM_MuParser"), floor = at("BM_StrtoldFloor");
        if (ours <= 0 || mu <= 0 || floor <= 0) return;
        std::printf("\n%zu expressions; CPU ns/expression: ferrolin %.1f, muparser %.1f, strtold %.1f\n",
                    Corpus().size(), ours, mu, floor);
        std::printf("ferrolin / strtold floor = %.2fx (target <= 2x)\n", ours / floor);
        std::printf("muparser / ferrolin      = %.2fx (target >= 15x)\n", mu / ours);
        if (const double leading = at("BM_StrtoldLeadingNumberOnly"); leading > 0)
            std::printf("(strtold on the leading number only: %.1f ns; ferrolin is %.2fx that)\n",
                        leading, ours / leading);
    }

private:
    std::map<std::string, double> nsPerExpression_;
    std::set<std::string> medians_;
    std::map<std::string, double> single_;
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    Corpus();
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatios();
    benchmark::Shutdown();
    return 0;
}
