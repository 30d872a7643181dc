// SPDX-License-Identifier: GPL-3.0-or-later
// The stored constants bit for bit: each as declared, and as the reader and the conversion
// functions hand it out. A "corrected" e or 200/pi fails here.
#include <gtest/gtest.h>

#include <cstdint>

#include "evaluator/Constants.h"
#include "evaluator/support/EvalSupport.h"

namespace ferrolin::test {
namespace {

struct StoredConstant {
    const char* name;
    long double stored;
    ExtendedBits bits;
    const char* expression;  // an expression whose value is the constant exactly, or null
};

const StoredConstant kConstants[] = {
    {"pi", detail::kPi, {0x4000, 0xC90FDAA22168C235}, "pi"},
    {"e (one unit low)", detail::kE, {0x4000, 0xADF85458A2BB4A9A}, "e"},
    {"pi/180", detail::kPiOver180, {0x3FF9, 0x8EFA351294E9C8AE}, "degtorad(1)"},
    {"180/pi", detail::k180OverPi, {0x4004, 0xE52EE0D31E0FBDC3}, "radtodeg(1)"},
    {"200/pi (one unit low)", detail::k200OverPi, {0x4004, 0xFEA5DD5C5A4A6111}, "radtograd(1)"},
    {"2pi", detail::kTwoPi, {0x4001, 0xC90FDAA22168C235}, "cycletorad(1)"},
    {"pi/200", detail::kPiOver200, {0x3FF9, 0x80ADFC90B938CE36}, "gradtorad(1)"},
    {"closeness threshold", detail::kCloseness, {0x3FC9, 0xE69594BEC44DE15B}, nullptr},
};

TEST(StoredConstants, HoldTheirExactBitPatterns) {
    for (const StoredConstant& c : kConstants) {
        SCOPED_TRACE(c.name);
        const ExtendedBits bits = BitsOf(c.stored);
        EXPECT_EQ(bits.signExponent, c.bits.signExponent);
        EXPECT_EQ(bits.significand, c.bits.significand);
    }
}

TEST(StoredConstants, ReachResultsUnrounded) {
    for (const StoredConstant& c : kConstants) {
        if (!c.expression) continue;
        SCOPED_TRACE(c.expression);
        const Outcome outcome = Evaluate(c.expression);
        ASSERT_TRUE(outcome.ok) << Describe(outcome);
        EXPECT_EQ(BitsOf(outcome.value), c.bits);
    }
}

// The threshold (the nearest value to 1/10^16) decides where the hyperbolic functions stop
// computing: at it they give their value at 0, a few units past it they compute.
TEST(StoredConstants, ClosenessThresholdIsTheBoundary) {
    const long double justPast = (1.0L / 1e16L) * (1 + 0x1p-62L);
    const ExactCase cases[] = {
        {"sinh(1/10^16)", 0},
        {"tanh(-1/10^16)", 0},
        {"cosh(1/10^16)", 1},
        {"sinh((1/10^16)*(1+2^(-62)))", justPast},
    };
    ExpectExactValues(cases);
}

}  // namespace
}  // namespace ferrolin::test
