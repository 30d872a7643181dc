// SPDX-License-Identifier: GPL-3.0-or-later
// mean, stddev and variance over comma lists, the notice, comma lists elsewhere, and random.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "evaluator/EvaluationError.h"
#include "evaluator/MyParser.h"
#include "evaluator/support/EvalSupport.h"

namespace ferrolin::test {
namespace {

TEST(Statistics, MeanVarianceAndStddev) {
    const ExactCase cases[] = {
        {"mean(1,2,3,4)", 2.5L},
        {"mean(1,2,3)", 2},
        {"variance(1,2,3,4,5)", 2.5L},
        {"stddev(1,2,3,4,5)", std::sqrt(2.5L)},
        {"variance(2,4)", 2},
        {"stddev(2,4)", std::sqrt(2.0L)},
        // Equal values: exactly zero, where a one-pass sum leaves a negative rest.
        {"variance(93.92,93.92,93.92)", 0},
        {"stddev(93.92,93.92,93.92)", 0},
        {"variance(0.1,0.1,0.1)", 0},
        {"stddev(0.1,0.1,0.1,0.1,0.1,0.1,0.1)", 0},
        {"stddev(1e300,1e300)", 0},
        {"mean(1e300,1e300)", static_cast<long double>(1e300)},  // the double 1e300
        // Large offsets do not swamp the spread.
        {"variance(1000000001,1000000002,1000000003)", 1},
        {"variance(100000000000001,100000000000002,100000000000003)", 1},
        {"2*mean(1,3)+1", 5},
    };
    ExpectExactValues(cases);
}

// Too few values: the caller hears about it once and the evaluation goes on with NaN.
TEST(Statistics, FewerThanTwoValuesGiveTheNoticeAndNaN) {
    const char* cases[] = {"mean(5)", "stddev(1)", "variance(7)", "mean(1,2,3+4)", "mean(pi)"};
    ExpectNaNs(cases, {kNotEnoughParameters});
    Outcome twice = Evaluate("mean(1)+variance(2)");
    EXPECT_EQ(twice.notices.size(), 2u);
    EXPECT_TRUE(twice.ok);
}

// The notice is owed even when the evaluation fails later, so the caller can show it first.
TEST(Statistics, NoticeComesBackWithALaterFailure) {
    Outcome outcome = Evaluate("mean(5)+1/0");
    EXPECT_FALSE(outcome.ok);
    EXPECT_EQ(outcome.kind, ErrorKind::DivisionByZero);
    EXPECT_EQ(outcome.notices, std::vector<std::string>{kNotEnoughParameters});
}

// A list means nothing outside a statistical call's own brackets.
TEST(Statistics, ListsElsewhereAreNaN) {
    const char* cases[] = {"1,2", "1,2+3", "sin(1,2)", "(1,2)*0", "mean(1,2)+(3,4)", "sqrt(4,9)"};
    ExpectNaNs(cases);
    EXPECT_EQ(Evaluate("ceil(1,2)").error, kInvalidOperation);
}

long double Draw(Evaluator& evaluator, const std::string& text) { return evaluator.Evaluate(text).value; }

// Every draw below comes from a seeded evaluator, so each run sees the same numbers and a bound
// chosen for them cannot fail by chance.
EvaluatorOptions Seeded(std::uint64_t seed) {
    EvaluatorOptions options;
    options.randomSeed = seed;
    return options;
}

TEST(Random, StaysWithinOneToTheRoundedBound) {
    Evaluator evaluator(Seeded(1));
    const struct {
        const char* input;
        long double high;
    } cases[] = {
        {"random(6)", 6}, {"random(2.5)", 2}, {"random(3.5)", 4}, {"random(1)", 1},
        {"random(0)", 1}, {"random(-5)", 1}, {"random(0.4)", 1}, {"random(2^62)", 0x1p62L},
        {"random(9223372036854775807)", 9223372036854775807.0L},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.input);
        for (int i = 0; i < 200; ++i) {
            long double v = Draw(evaluator, c.input);
            ASSERT_GE(v, 1);
            ASSERT_LE(v, c.high);
            ASSERT_EQ(v, std::floor(v));
        }
    }
}

TEST(Random, IsRoughlyUniformAndAdvancesOnEveryCall) {
    Evaluator evaluator(Seeded(2));
    std::map<long double, int> counts;
    constexpr int kDraws = 6000;
    for (int i = 0; i < kDraws; ++i) ++counts[Draw(evaluator, "random(6)")];
    ASSERT_EQ(counts.size(), 6u);
    for (const auto& [face, n] : counts) {
        EXPECT_GT(n, 800) << face;  // 1000 expected; a 6-sigma band
        EXPECT_LT(n, 1200) << face;
    }
    // Two draws in one evaluation, within the same millisecond, still differ.
    std::set<long double> seen;
    for (int i = 0; i < 20; ++i) seen.insert(Draw(evaluator, "random(1000000000)-random(1000000000)"));
    EXPECT_GT(seen.size(), 15u);
}

TEST(Random, ReachesPastThirtyTwoBits) {
    Evaluator evaluator(Seeded(3));
    int above = 0;
    for (int i = 0; i < 50; ++i) above += Draw(evaluator, "random(2^62)") > 0x1p32L;
    EXPECT_GT(above, 40);
}

std::vector<long double> Draws(Evaluator& evaluator, int count) {
    std::vector<long double> draws;
    for (int i = 0; i < count; ++i) draws.push_back(Draw(evaluator, "random(1000000000)"));
    return draws;
}

// The seed decides the sequence: equal seeds repeat it, another seed gives another one, and a
// seed set on a running evaluator starts its sequence afresh.
TEST(Random, ASeedRepeatsItsSequence) {
    Evaluator first(Seeded(42)), second(Seeded(42)), other(Seeded(43));
    const std::vector<long double> sequence = Draws(first, 10);
    EXPECT_EQ(Draws(second, 10), sequence);
    EXPECT_NE(Draws(other, 10), sequence);
    EXPECT_NE(Draws(first, 10), sequence);  // the same evaluator goes on, it does not restart

    other.Options().randomSeed = 42;
    EXPECT_EQ(Draws(other, 10), sequence);

    // The one-off evaluator honours the seed as well.
    EXPECT_EQ(ferrolin::Evaluate("random(1000000000)", Seeded(42)).value, sequence[0]);
}

// Without a seed the program's shared source is used: draws are not repeated across evaluators.
TEST(Random, UnseededEvaluatorsDoNotRepeatEachOther) {
    Evaluator first, second;
    EXPECT_NE(Draws(first, 10), Draws(second, 10));
}

}  // namespace
}  // namespace ferrolin::test
