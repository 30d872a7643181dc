// SPDX-License-Identifier: GPL-3.0-or-later
// The value after "= ", the history line, the expression text and the error box's text.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "evaluator/ResultFormat.h"
#include "evaluator/support/EvalSupport.h"

namespace ferrolin::test {
namespace {

constexpr long double kInf = std::numeric_limits<long double>::infinity();
constexpr long double kNaN = std::numeric_limits<long double>::quiet_NaN();

struct FormatCase {
    long double value;
    int decimals;
    const char* expected;
    char32_t separator = U'.';
};

TEST(FormatValue, WritesTheValueWithTheChosenDecimals) {
    const FormatCase cases[] = {
        {5, 2, "5.00"},
        {0, 2, "0.00"},
        {-0.0L, 2, "0.00"},
        {kNaN, 2, "NAN"},
        {-kNaN, 4, "NAN"},
        {kInf, 2, "INF"},
        {-kInf, 6, "-INF"},
        // Half-up on the 18-digit decimal form, not on the binary value.
        {1.005L, 2, "1.01"},
        {2.675L, 2, "2.68"},
        {0.125L, 2, "0.13"},
        {0.15L, 1, "0.2"},
        {9.995L, 2, "10.00"},
        {99.9996L, 3, "100.000"},
        {-2.675L, 2, "-2.68"},
        {0.005L, 2, "0.01"},
        {-0.005L, 2, "-0.01"},
        {0.0005L, 2, "0.00"},
        {-0.004L, 2, "0.00"},
        {-0.0000001L, 6, "0.000000"},
        {1.0L / 3, 1, "0.3"},
        {1.0L / 3, 2, "0.33"},
        {1.0L / 3, 6, "0.333333"},
        {2.0L / 3, 2, "0.67"},
        {1.0L / 3, 0, "0.33"},  // outside 1 to 6: two decimals
        {1.0L / 3, 7, "0.33"},
        {1.0L / 3, -1, "0.33"},
        {0.1L, 6, "0.100000"},
        {123456789.123456789L, 6, "123456789.123457"},
        {123456789012345678.0L, 2, "123456789012345678.00"},
        {999999999999999999.0L, 2, "999999999999999999.00"},
        {1234.5L, 3, "1234.500"},
        {-42, 1, "-42.0"},
        // Denormals are written as zero.
        {std::numeric_limits<long double>::denorm_min(), 2, "0.00"},
        {-LDBL_MIN / 4, 3, "0.000"},
        {LDBL_MIN, 2, "0.00"},
        // Exponent form from 1E18 on.
        {1e18L, 2, "1E18"},
        {1e18L, 3, "1E018"},
        {1e18L, 4, "1E0018"},
        {1e18L, 5, "1E18"},
        {1e18L, 6, "1E18"},
        {1e18L, 1, "1E18"},
        {999999999999999999.75L, 2, "1E18"},  // 18 digits round up into the next power
        {1.5e20L, 2, "1.5E20"},
        {-2.5e19L, 2, "-2.5E19"},
        {1e100L, 4, "1E0100"},
        {1e100L, 3, "1E100"},
        {1.25e300L, 6, "1.25E300"},
        {123456789012345678901.0L, 2, "1.23456789012345679E20"},
        {LDBL_MAX, 2, "1.18973149535723177E4932"},
        {-LDBL_MAX, 4, "-1.18973149535723177E4932"},
        // The caller's separator, also outside ASCII.
        {2.5L, 2, "2,50", U','},
        {1.5e20L, 2, "1,5E20", U','},
        {2.5L, 2, "2\u066b50", U'\u066b'},
        {-0.004L, 2, "0,00", U','},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.expected) + " with " + std::to_string(c.decimals));
        EXPECT_EQ(FormatValue(c.value, c.decimals, c.separator), c.expected);
    }
}

TEST(HistoryLine, JoinsExpressionAndValue) {
    EXPECT_EQ(HistoryLine("2+3", 5, 2), "2+3= 5.00");
    EXPECT_EQ(HistoryLine("sin(pi/6)", 0.5L, 2), "sin(pi/6)= 0.50");
    EXPECT_EQ(HistoryLine("factorial(16)", std::numeric_limits<long double>::quiet_NaN(), 2),
              "factorial(16)= NAN");
    EXPECT_EQ(HistoryLine("10^18", 1e18L, 4), "10^18= 1E0018");
    EXPECT_EQ(HistoryLine("1/4", 0.25L, 2, U','), "1/4= 0,25");
    EXPECT_EQ(HistoryLine("", 1, 1), "= 1.0");
}

TEST(ExpressionText, TrimsEachLineAndJoinsWithoutSeparator) {
    const struct {
        std::vector<std::string> lines;
        const char* expected;
    } cases[] = {
        {{"2+", "3"}, "2+3"},
        {{"sin(pi/6) "}, "sin(pi/6)"},
        {{"  2 + 3  "}, "2 + 3"},  // inner blanks and case kept
        {{"\tSIN(PI)\r"}, "SIN(PI)"},
        {{"2 ", " +", "", " 3"}, "2+3"},
        {{}, ""},
        {{"   ", "\x01\x1f"}, ""},
        {{"\u00e9 "}, "\u00e9"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expected);
        EXPECT_EQ(ExpressionText(c.lines), c.expected);
    }
}

TEST(TrimBlanks, RemovesCodesUpToThirtyTwoAtBothEndsOnly) {
    const struct {
        std::string line;
        std::string expected;
    } cases[] = {
        {"  abc  ", "abc"},
        {"\t\r\n a b \x1f", "a b"},
        {std::string("\0x\0", 3), "x"},
        {"\x7f", "\x7f"},          // DEL is above 32
        {"\u00a0x\u00a0", "\u00a0x\u00a0"},  // so is a no-break space
        {"", ""},
        {"    ", ""},
        {"a", "a"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(Visible(c.line));
        EXPECT_EQ(TrimBlanks(c.line), c.expected);
    }
}

TEST(ErrorBoxText, AddsAFullStopAfterCharactersAboveThePoint) {
    const struct {
        std::string message;
        std::string expected;
    } cases[] = {
        {"Invalid floating point operation", "Invalid floating point operation."},
        {"2+3)4\n\rInvalid expression. Clear and start again",
         "2+3)4\n\rInvalid expression. Clear and start again."},
        {"sin30\n\r Unable to evaluate sin30", "sin30\n\r Unable to evaluate sin30."},
        {"(2+3\n\r Missing right bracket \")\"", "(2+3\n\r Missing right bracket \")\""},
        {"sin+\n\rMissing left bracket \"(\" ", "sin+\n\rMissing left bracket \"(\" "},
        {"2+\n\r Missing operand ", "2+\n\r Missing operand "},
        {"'e5' is not a valid floating point value", "'e5' is not a valid floating point value."},
        {"ends with a point.", "ends with a point."},   // 0x2E itself: no second one
        {"ends with a slash/", "ends with a slash/."},  // 0x2F
        {"ends with a minus-", "ends with a minus-"},   // 0x2D
        {"ends with a bracket)", "ends with a bracket)"},
        {"ends with a digit 0", "ends with a digit 0."},
        {"\u00e9", "\u00e9."},
        {"x\xF0\x9F\x98\x80", "x\xF0\x9F\x98\x80."},
        {"", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(Visible(c.message));
        EXPECT_EQ(ErrorBoxText(c.message), c.expected);
    }
}

}  // namespace
}  // namespace ferrolin::test
