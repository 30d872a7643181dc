// SPDX-License-Identifier: GPL-3.0-or-later
// Number text: single operands (always ".") and comma-list elements (the caller's separator).
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>
#include <string>

#include "evaluator/EvaluationError.h"
#include "evaluator/support/EvalSupport.h"

namespace ferrolin::test {
namespace {

struct ValueCase {
    std::string input;
    long double expected;
};

TEST(OperandConversion, ReadsDecimalAndExponentForms) {
    const ValueCase cases[] = {
        {"5.", 5},
        {".5", 0.5L},
        {"0.25", 0.25L},
        {"007", 7},
        {"1e5", 100000},
        {"2E3", 2000},
        {"12.5e1", 125},
        {"0.0001e4935", 1e4931L},  // fraction digits and exponent combine before scaling
        {"1e4932", 1e4932L},
        {"0." + std::string(4000, '0') + "1", 1e-4001L},
        {"0." + std::string(6000, '0') + "1", 0},  // too small underflows silently
        {"0e6000", 0},             // zero is zero whatever its exponent
        {"123456789012345678", 123456789012345678.0L},
        {"18446744073709551615", 18446744073709551615.0L},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.input.substr(0, 40));
        Outcome outcome = Evaluate(c.input);
        EXPECT_TRUE(outcome.ok) << Describe(outcome);
        if (!outcome.ok) continue;
        if (c.expected == 0) {
            EXPECT_EQ(outcome.value, 0);
        } else {
            EXPECT_NEAR(static_cast<double>(outcome.value / c.expected), 1.0, 1e-17);
        }
    }
}

TEST(OperandConversion, ExactWhereTheDigitsFit) {
    EXPECT_EQ(Evaluate("1e22").value, 1e22L);
    EXPECT_EQ(Evaluate("1e27").value, 1e27L);
    EXPECT_EQ(Evaluate("9223372036854775807").value, 9223372036854775807.0L);
}

struct MessageCase {
    std::string input;
    std::string message;
};

TEST(OperandConversion, RejectsNumbersWithoutDigitsOrTooLarge) {
    const MessageCase cases[] = {
        {"e5", UnableToEvaluate("e5", "e5")},
        {".", UnableToEvaluate(".", ".")},
        {"..5", UnableToEvaluate("..5", "..5")},
        {"1.2.3", UnableToEvaluate("1.2.3", "1.2.3")},
        {".e5", UnableToEvaluate(".e5", ".e5")},
        {"1e", UnableToEvaluate("1e", "1e")},
        {"1e+5", UnableToEvaluate("1e", "1e")},
        {"1ee5", UnableToEvaluate("1ee5", "1ee5")},
        {"0x10", UnableToEvaluate("0x10", "0x10")},
        {"1e5e5", UnableToEvaluate("1e5e5", "1e5e5")},
        {"2*e5", UnableToEvaluate("2*e5", "e5")},
        {"1e5000", kOverflow},
        {"1e6000", kOverflow},                 // no silent +INF
        {"1e4294967297", kOverflow},           // the exponent must not wrap to 1
        {"1e99999999999999999999", kOverflow},
        {"1" + std::string(5000, '0'), kOverflow},
        {"12e4932", kOverflow},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.input.substr(0, 40));
        Outcome outcome = Evaluate(c.input);
        EXPECT_FALSE(outcome.ok) << Describe(outcome);
        if (outcome.ok) continue;
        EXPECT_EQ(outcome.error, c.message);
    }
}

struct ListCase {
    std::string input;
    char32_t separator;
    long double expected;
};

TEST(ListElementConversion, ReadsWithTheCallersSeparator) {
    const ListCase cases[] = {
        {"mean(1,2)", U'.', 1.5L},
        {"mean(1.5,2.5)", U'.', 2},
        {"mean(1e2,3E1)", U'.', 65},
        {"mean(1e,3)", U'.', 2},          // exponent digits are optional in a list
        {"mean(1,.)", U'.', 0.5L},  // the separator alone is a number in a list
        {"mean(.5,1.5)", U'.', 1},
        {"mean(5.,7)", U'.', 6},
        {"mean(0." + std::string(400, '0') + "1,0)", U'.', 0},  // below the double range: zero
        {"mean(1e00000002,0)", U'.', 50},
        {"mean(1,2)", U',', 1.5L},
        {"mean(1,2,3,4)", U'.', 2.5L},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.input.substr(0, 40));
        Outcome outcome = Evaluate(c.input, c.separator);
        EXPECT_TRUE(outcome.ok) << Describe(outcome);
        if (!outcome.ok) continue;
        EXPECT_EQ(outcome.value, c.expected);
        EXPECT_TRUE(outcome.notices.empty());
    }
}

// A separator that is not "." makes "." an ordinary, invalid character in list elements, and
// the separator character itself is then the one that is accepted.
TEST(ListElementConversion, AcceptsOnlyTheCallersSeparator) {
    struct Case {
        const char* input;
        char32_t separator;
        const char* badElement;
    } cases[] = {
        {"mean(1.5,2)", U'\u066B', "1.5"},
        {"mean(1.5,2)", U';', "1.5"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.input);
        Outcome outcome = Evaluate(c.input, c.separator);
        EXPECT_FALSE(outcome.ok) << Describe(outcome);
        if (outcome.ok) continue;
        EXPECT_EQ(outcome.error, NotValidFloat(c.badElement));
    }
}

TEST(ListElementConversion, NamesTheElementThatIsNotANumber) {
    const struct {
        std::string input;
        char32_t separator;
        std::string message;
    } cases[] = {
        {"mean(1,e5)", U'.', NotValidFloat("e5")},
        {"mean(1,)", U'.', NotValidFloat("")},
        {"mean(1,2,)", U'.', NotValidFloat("")},
        {"mean(1,,2)", U'.', NotValidFloat("")},
        {"mean(,1)", U'.', NotValidFloat("")},
        {"mean(pi,2)", U'.', NotValidFloat("pi")},
        {"mean(1,x)", U'.', NotValidFloat("x")},
        {"mean(1,1.2.3)", U'.', NotValidFloat("1.2.3")},
        {"mean(1,1e5x)", U'.', NotValidFloat("1e5x")},
        {"mean(1,1e5000)", U'.', NotValidFloat("1e5000")},
        {"mean(1.5,2)", U',', NotValidFloat("1.5")},
        {"MEAN(1,ABC)", U'.', NotValidFloat("abc")},   // the prepared, lowercased text
        {"mean(1e400,1)", U'.', kOverflow},            // fits the conversion, not a double
        {"mean(-1e400,1)", U'.', kOverflow},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.input);
        Outcome outcome = Evaluate(c.input, c.separator);
        EXPECT_FALSE(outcome.ok) << Describe(outcome);
        if (outcome.ok) continue;
        EXPECT_EQ(outcome.error, c.message);
    }
}

// Elements are held as doubles: 0.1 in a list is the double 0.1, not the extended one.
TEST(ListElementConversion, StoresElementsAsDoubles) {
    Outcome outcome = Evaluate("mean(0.1,0.1)");
    ASSERT_TRUE(outcome.ok) << Describe(outcome);
    EXPECT_EQ(outcome.value, static_cast<long double>(0.1));
}

}  // namespace
}  // namespace ferrolin::test
