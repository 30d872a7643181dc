// SPDX-License-Identifier: GPL-3.0-or-later
// Every evaluation, successful or not, hands the floating-point environment back clean.
#include <gtest/gtest.h>

#include <cfenv>
#include <cstdint>
#include <string>

#include "evaluator/support/EvalSupport.h"

namespace ferrolin::test {
namespace {

std::uint16_t X87ControlWord() {
    std::uint16_t word = 0;
    __asm__ volatile("fnstcw %0" : "=m"(word));
    return word;
}

const char* const kInputs[] = {
    // successes, including silent underflow, inexact and denormal results, NaN and infinities
    "2+3*4", "1/3", "exp(-20000)", "2^(-16445)", "10^(-4940)", "factorial(0)", "arctanh(1)",
    "sin(1e22)", "tan(pi/2)", "mean(0.1,0.2)", "mean(5)", "variance(93.92,93.92,93.92)",
    "random(6)", "ceil(1e19)", "tanh(20000)", "arcsinh(-10000000000)", "1,2", "0^(-0.5)",
    "mean(1,1e-1000)", "exp(factorial(0))",
    // failures of every kind
    "1/0", "0/0", "10^5000", "1e6000", "exp(11357)", "sqrt(-1)", "ln(0)", "ceil(arctanh(1))",
    "(2+3", "2+", "sin+1", "2^-1", "2+3)", "mean(1,e5)", "mean(1e400,1)", "\xFF",
    "0.5^(-20000)", "arctanh(1)-arctanh(1)",
};

TEST(FloatingPointEnvironment, IsCleanAfterEveryEvaluation) {
    const std::uint16_t controlBefore = X87ControlWord();
    for (const char* input : kInputs) {
        SCOPED_TRACE(Visible(input));
        std::feclearexcept(FE_ALL_EXCEPT);
        (void)Evaluate(input);
        EXPECT_EQ(std::fetestexcept(FE_ALL_EXCEPT), 0);
        EXPECT_EQ(std::fegetround(), FE_TONEAREST);
        EXPECT_EQ(X87ControlWord(), controlBefore) << "precision or masks changed";
    }
}

// Flags left raised by the caller must not turn a sound evaluation into an error.
TEST(FloatingPointEnvironment, StaleFlagsFromTheCallerAreNoError) {
    const int flags[] = {FE_OVERFLOW, FE_DIVBYZERO, FE_INVALID, FE_ALL_EXCEPT};
    for (int flag : flags) {
        SCOPED_TRACE(flag);
        std::feclearexcept(FE_ALL_EXCEPT);
        std::feraiseexcept(flag);
        Outcome outcome = Evaluate("1+1");
        EXPECT_TRUE(outcome.ok) << Describe(outcome);
        if (!outcome.ok) continue;
        EXPECT_EQ(outcome.value, 2);
        EXPECT_EQ(std::fetestexcept(FE_ALL_EXCEPT), 0);
    }
}

// A failure in one evaluation leaves nothing that changes the next one's result.
TEST(FloatingPointEnvironment, FailureDoesNotLeakIntoTheNextEvaluation) {
    const char* failing[] = {"1/0", "0/0", "10^5000", "sqrt(-1)"};
    for (const char* input : failing) {
        SCOPED_TRACE(input);
        EXPECT_FALSE(Evaluate(input).ok);
        Outcome next = Evaluate("1/3");
        ASSERT_TRUE(next.ok) << Describe(next);
        EXPECT_EQ(next.value, 1.0L / 3.0L);
    }
}

}  // namespace
}  // namespace ferrolin::test
