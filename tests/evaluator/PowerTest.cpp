// SPDX-License-Identifier: GPL-3.0-or-later
// "^": integer powers by squaring, general powers through exp2, and where each fails.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>

#include "evaluator/EvaluationError.h"
#include "evaluator/support/EvalSupport.h"

namespace ferrolin::test {
namespace {

TEST(Power, IntegerExponents) {
    const ExactCase cases[] = {
        {"2^10", 1024},
        {"(-2)^3", -8},
        {"(-2)^4", 16},
        {"0^0", 1},
        {"(factorial(0))^0", 1},  // b^0 is 1 for every b
        {"5^1", 5},
        {"2^(-1)", 0.5L},
        {"4^(-2)", 0.0625L},
        {"3^40", 12157665459056928801.0L},  // every partial product is exact
        {"2^16383", 0x1p16383L},
        {"2^(-16382)", 0x1p-16382L},
        {"2^(-16445)", std::numeric_limits<long double>::denorm_min()},
        {"2^(-20000)", 0},  // underflows silently instead of failing on 2^20000
        {"1^4294967296", 1},
        {"1^(1e30)", 1},
        {"(-1)^4294967297", -1},  // the exponent keeps its parity past 32 bits
        {"(-1)^(1e30)", 1},
        {"0.5^(1e30)", 0},
        {"2^(2.0)", 4},
        {"10^18", 1e18L},
    };
    ExpectExactBits(cases);
}

// Exponents of 2^63 and beyond settle by the true value, not by the size of the exponent alone.
TEST(Power, HugeWholeExponentsFollowTheTrueValue) {
    const NearCase near[] = {
        {"0.9999999999999999999^1e19", 0.3381714808074022398L, 1e-18L},  // (1 - 1e-19)^1e19, base as read
        {"(1+2^(-63))^(2^63*11000)", 1.7350058192777385096e4777L, 1e-14L},  // e^11000
        {"(1-2^(-64))^(2^64*11000)", 5.7636694291681836963e-4778L, 1e-14L},  // e^-11000
        {"(-1-2^(-63))^(2^64)", 7.3890560989306502272L, 1e-18L},         // even: e^2
    };
    ExpectNearValues(near, 0);
    const ErrorCase overflow[] = {
        {"(1+2^(-63))^(2^63*12000)", kOverflow},
        {"(1-2^(-64))^(-(2^64)*12000)", kOverflow},
    };
    ExpectFailures(overflow);
    const ExactCase underflow[] = {
        {"(1-2^(-64))^(2^64*12000)", 0},
        {"(1+2^(-63))^(-(2^63)*12000)", 0},
    };
    ExpectExactValues(underflow);
}

// The result lies inside the format although 10^4940 does not.
TEST(Power, NegativeExponentReachesTheDenormalRange) {
    Outcome outcome = Evaluate("10^(-4940)");
    ASSERT_TRUE(outcome.ok) << Describe(outcome);
    EXPECT_GT(outcome.value, 0);
    EXPECT_LT(outcome.value, LDBL_MIN);
    EXPECT_NEAR(static_cast<double>(outcome.value / 1e-4940L), 1.0, 1e-9);  // denormal: fewer digits
}

TEST(Power, FractionalExponents) {
    const NearCase cases[] = {
        {"2^0.5", 1.414213562373095048801689L},
        {"8^(1/3)", 2},
        {"10^2.5", 316.2277660168379332007097L},
        {"0.25^(-0.5)", 2},
        {"e^1.5", 4.481689070338064822602055L},
        {"2^(16383.5)", 0x1p16383L * 1.414213562373095048801689L, 2e-15L},  // y*log2(b) near 2^14 keeps 50 fraction bits
    };
    ExpectNearValues(cases, 1e-16L);
    const ExactCase zeros[] = {{"0^0.5", 0}, {"0^(-0.5)", 0}, {"2^(-20000.5)", 0}};
    ExpectExactValues(zeros);
}

TEST(Power, FailsWithTheArithmeticMessages) {
    const ErrorCase cases[] = {
        {"0^(-1)", kDivisionByZero},
        {"0^(-4294967296)", kDivisionByZero},
        {"10^5000", kOverflow},
        {"2^16384", kOverflow},
        {"2^4294967296", kOverflow},  // not wrapped to 2^0
        {"2^(1e30)", kOverflow},
        {"0.5^(-20000)", kOverflow},
        {"(-2)^16385", kOverflow},
        {"2^20000.5", kOverflow},
        {"(-8)^(1/3)", kInvalidOperation},
        {"2^factorial(0)", kInvalidOperation},
        {"2^arctanh(1)", kInvalidOperation},
        {"2^arctanh(-1)", kInvalidOperation},
        {"arctanh(1)^0.5", kInvalidOperation},
    };
    ExpectFailures(cases);
}

}  // namespace
}  // namespace ferrolin::test
