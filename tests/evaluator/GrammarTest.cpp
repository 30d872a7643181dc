// SPDX-License-Identifier: GPL-3.0-or-later
// Precedence, signs, blanks and the five syntax messages with their quoted text.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "evaluator/MyParser.h"
#include "evaluator/support/EvalSupport.h"

namespace ferrolin::test {
namespace {

struct ValueCase {
    std::string input;
    long double expected;
};

TEST(Grammar, ReadsPrecedenceSignsAndBlanks) {
    const ValueCase cases[] = {
        {"2+3*4", 14},
        {"(2+3)*4", 20},
        {"8/4/2", 1},
        {"7/2/2", 1.75L},
        {"2-3-4", -5},
        {"1-2*3", -5},
        {"2 3", 23},
        {"SIN(PI/2)", 1},
        {"-2^2", -4},
        {"2^3^2", 512},
        {"+5", 5},
        {"-(-(-3))", -3},
        {"2*(-3)", -6},
        {"2^(-1)", 0.5L},
        {"((7))", 7},
        {"-(2+3)*2", -10},
        {" \t2\r\n+\x01 3\x1f ", 5},  // every code up to 32 is dropped, not only spaces
        {std::string("2\0+3", 4), 5},  // an embedded NUL is a control character like any other
        {"2\n3", 23},
        {"Mean(1,2,3)", 2},
        {"1.5e3", 1500},
        {"1E3", 1000},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(Visible(c.input));
        Outcome outcome = Evaluate(c.input);
        EXPECT_TRUE(outcome.ok) << Describe(outcome);
        if (!outcome.ok) continue;
        EXPECT_EQ(outcome.value, c.expected);
    }
}

struct MessageCase {
    std::string input;
    std::string message;
};

// Where reading stopped is a byte offset into the text as typed: just after the quoted part,
// blanks and capitals included.
TEST(Grammar, ReportsSyntaxErrorsByKindAndPosition) {
    using enum ErrorKind;
    const KindCase cases[] = {
        {"2^-1", UnableToEvaluate, 3},
        {"2*-3", UnableToEvaluate, 3},
        {"--2", UnableToEvaluate, 2},
        {"(2+3", MissingRightBracket, 4},
        {"  (2+3  ", MissingRightBracket, 6},
        {"sqrt(4", MissingRightBracket, 6},
        {"2+3)", InvalidExpression, 4},
        {"2+3)4", InvalidExpression, 4},
        {"2 + 3 )", InvalidExpression, 7},
        {"2=", InvalidExpression, 2},
        {"2=3", InvalidExpression, 2},
        {"2%3", InvalidExpression, 2},
        {"e(2)", InvalidExpression, 2},
        {"sin+1", MissingLeftBracket, 4},
        {"sin", MissingLeftBracket, 3},
        {"sin 30", UnableToEvaluate, 6},
        {"SIN 30", UnableToEvaluate, 6},
        {"2pi", UnableToEvaluate, 3},
        {"1e-5", UnableToEvaluate, 2},
        {"foo(2)", UnableToEvaluate, 3},
        {"()", UnableToEvaluate, 2},
        {"2+", MissingOperand, 2},
        {"2 +\t", MissingOperand, 3},
        {"2*", MissingOperand, 2},
        {"2^", MissingOperand, 2},
        {"(", MissingOperand, 1},
        {"   ", MissingOperand, 0},
        {"\r\n", MissingOperand, 0},
        {"", MissingOperand, 0},
    };
    ExpectKinds(cases);
}

// An arithmetic failure stops reading at the end of the operand that completed the failing step.
TEST(Grammar, ReportsArithmeticFailuresWhereTheyArose) {
    using enum ErrorKind;
    const KindCase cases[] = {
        {"1/0+2", DivisionByZero, 3},
        {"1 / 0  ", DivisionByZero, 5},
        {"0/0", InvalidOperation, 3},
        {"sqrt(-1)*2", InvalidOperation, 8},
        {"2*(1e4000*1e4000)", Overflow, 16},
        {"1e5000+1", Overflow, 6},
        {"(-8)^(1/3)+1", InvalidOperation, 10},
        {"2^arctanh(1)", InvalidOperation, 12},
        {"mean(1,x)+1", NotValidFloat, 8},
        {"mean(1,e5,3)", NotValidFloat, 9},  // after the failing element, not the list
        {"mean(1, e5 ,3)", NotValidFloat, 10},
        {"mean(1e400,2)", Overflow, 10},
    };
    ExpectKinds(cases);
}

// The one place where every message is written out in full, one row per kind.
TEST(Grammar, MessagesOfEveryKind) {
    const MessageCase cases[] = {
        {"sin+1", "sin+\n\rMissing left bracket \"(\" "},
        {"(2+3", "(2+3\n\r Missing right bracket \")\""},
        {"2 +", "2+\n\r Missing operand "},
        {"   ", "\n\r Missing operand "},
        {"Sin 30", "sin30\n\r Unable to evaluate sin30"},
        {"2*-3", "2*-\n\r Unable to evaluate -"},
        {"2+3)", ")\n\rInvalid expression. Clear and start again"},
        {"2+3)4", "2+3)\n\rInvalid expression. Clear and start again"},
        {"0/0", "Invalid floating point operation"},
        {"1/0", "Floating point division by zero"},
        {"10^5000", "Floating point overflow"},
        {"MEAN(1,ABC)", "'abc' is not a valid floating point value"},
        {"mean(1,)", "'' is not a valid floating point value"},
        {std::string(1001, '(') + "1", std::string(1001, '(') + "\n\r Expression nested too deeply"},
        {"\xFF", "The expression is not valid UTF-8 text"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(Visible(c.input.substr(0, 20)));
        Outcome outcome = Evaluate(c.input);
        EXPECT_FALSE(outcome.ok) << Describe(outcome);
        if (outcome.ok) continue;
        EXPECT_EQ(Visible(outcome.error), Visible(c.message));
    }
}

// Characters outside ASCII are whole tokens of their own, never split and never lowercased.
TEST(Grammar, TreatsEveryCodePointAsOneToken) {
    using enum ErrorKind;
    const KindCase cases[] = {
        {"2+\u00e9", UnableToEvaluate, 4},
        {"2\u00e9", InvalidExpression, 3},
        {"2\u00e93", InvalidExpression, 3},
        {"\u00c9", UnableToEvaluate, 2},
        {"2\u00b2", InvalidExpression, 3},
        {"\u20ac5", UnableToEvaluate, 3},
        {"\xF0\x9F\x98\x80", UnableToEvaluate, 4},
        {"1+\xF0\x9F\x98\x80+2", UnableToEvaluate, 6},
        {"(1\xF0\x9F\x98\x80", MissingRightBracket, 6},
        {"\xF4\x8F\xBF\xBF", UnableToEvaluate, 4},  // U+10FFFF
        {"\u00a0" "2", UnableToEvaluate, 2},          // a no-break space is no blank
    };
    ExpectKinds(cases);
    EXPECT_EQ(Evaluate("2+\u00c9").error, "2+\u00c9\n\r Unable to evaluate \u00c9");
}

// The position is that of the first byte that is not UTF-8.
TEST(Grammar, RejectsTextThatIsNotUtf8) {
    using enum ErrorKind;
    const KindCase cases[] = {
        {"\xFF", InvalidText, 0},
        {"2+\xC3", InvalidText, 2},             // cut off after the lead byte
        {"1+\xE2\x82", InvalidText, 2},         // cut off inside a three-byte form
        {"\x80" "1", InvalidText, 0},           // stray continuation byte
        {"\xC0\xAF", InvalidText, 0},           // overlong "/"
        {"\xE0\x80\xAF", InvalidText, 0},       // overlong in three bytes
        {"\xED\xA0\x80", InvalidText, 0},       // a surrogate
        {"\xF4\x90\x80\x80", InvalidText, 0},   // past U+10FFFF
        {"sin(\xFE)", InvalidText, 4},
        {"2 3 \xC3\x28", InvalidText, 4},        // lead byte followed by an ASCII byte
    };
    ExpectKinds(cases);
}

std::string Repeat(std::string_view piece, std::size_t times) {
    std::string out;
    out.reserve(piece.size() * times);
    for (std::size_t i = 0; i < times; ++i) out += piece;
    return out;
}

// Whatever the exact point of failure, the message quotes a prefix of the prepared text.
void ExpectNestedTooDeeply(const std::string& input) {
    Outcome outcome = Evaluate(input);
    ASSERT_FALSE(outcome.ok) << Describe(outcome).substr(0, 200);
    const std::string tail = "\n\r Expression nested too deeply";
    ASSERT_GE(outcome.error.size(), tail.size());
    EXPECT_EQ(outcome.error.substr(outcome.error.size() - tail.size()), tail);
    const std::string quoted = outcome.error.substr(0, outcome.error.size() - tail.size());
    EXPECT_FALSE(quoted.empty());
    EXPECT_EQ(input.compare(0, quoted.size(), quoted), 0) << "quotes something other than the text read";
}

TEST(Grammar, AllowsNestingUpToTheLimit) {
    const std::size_t limit = Evaluator::kMaxNesting;
    const std::string allowed[] = {
        Repeat("(", limit) + "1" + Repeat(")", limit),
        Repeat("-(", limit) + "1" + Repeat(")", limit),
        Repeat("sqrt(", limit) + "1" + Repeat(")", limit),
        Repeat("1^", limit / 2) + "1",
    };
    for (const auto& input : allowed) {
        SCOPED_TRACE(input.substr(0, 12) + "...");
        Outcome outcome = Evaluate(input);
        ASSERT_TRUE(outcome.ok) << Describe(outcome).substr(0, 200);
        EXPECT_EQ(std::fabs(outcome.value), 1);
    }
}

TEST(Grammar, FailsCleanlyBeyondTheNestingLimit) {
    const std::size_t limit = Evaluator::kMaxNesting;
    const std::string cases[] = {
        Repeat("(", limit + 1) + "1" + Repeat(")", limit + 1),
        Repeat("sin(", limit + 1) + "1" + Repeat(")", limit + 1),
        Repeat("(", 1'000'000),                // would overflow the stack if recursion were unbounded
        Repeat("-(", 500'000),
        Repeat("2^", 1'000'000) + "2",
        Repeat("(1+", 300'000),
        Repeat("1^(", 400'000),
    };
    for (const auto& input : cases) {
        SCOPED_TRACE(input.substr(0, 12) + "... (" + std::to_string(input.size()) + " bytes)");
        ExpectNestedTooDeeply(input);
    }
}

TEST(Grammar, StopsAtTheBracketThatIsOneTooDeep) {
    const std::size_t limit = Evaluator::kMaxNesting;
    const KindCase cases[] = {
        {Repeat("(", limit + 1) + "1" + Repeat(")", limit + 1), ErrorKind::NestedTooDeeply, limit + 1},
        {Repeat("( ", limit + 1) + "1", ErrorKind::NestedTooDeeply, 2 * limit + 1},
        {Repeat("(", limit - 1) + "1", ErrorKind::MissingRightBracket, limit},
    };
    ExpectKinds(cases);
}

// One evaluator serves the window for the whole run: a failure must leave nothing behind.
TEST(Grammar, EvaluatorIsReusableAfterAnyOutcome) {
    Evaluator evaluator;
    for (const std::string& failing : {std::string("(2+3"), std::string(5000, '('), std::string("\xFF"), std::string("1/0")})
        EXPECT_FALSE(evaluator.Evaluate(failing).ok()) << Visible(failing);
    const Evaluation sum = evaluator.Evaluate("2+3");
    ASSERT_TRUE(sum.ok());
    EXPECT_EQ(sum.value, 5);
    const Evaluation nested = evaluator.Evaluate("(((4)))");
    ASSERT_TRUE(nested.ok());
    EXPECT_EQ(nested.value, 4);
}

TEST(Grammar, ModuleEvaluatorUsesTheDefaults) {
    const Evaluation mean = ferrolin::Evaluate("mean(1.5,2.5)");
    ASSERT_TRUE(mean.ok());
    EXPECT_EQ(mean.value, 2);
    const Evaluation failed = ferrolin::Evaluate("2 +");
    ASSERT_FALSE(failed.ok());
    EXPECT_EQ(failed.failure->kind, ErrorKind::MissingOperand);
    EXPECT_EQ(failed.failure->position, 3u);
    EXPECT_EQ(failed.failure->message, "2+\n\r Missing operand ");
}

// Every kind has its own message, and none is empty.
TEST(Grammar, EveryKindHasItsOwnMessage) {
    std::vector<std::string> messages;
    for (int k = 0; k < kErrorKindCount; ++k) {
        messages.push_back(ErrorMessage(static_cast<ErrorKind>(k), "q", "n"));
        EXPECT_FALSE(messages.back().empty());
    }
    std::sort(messages.begin(), messages.end());
    EXPECT_EQ(std::adjacent_find(messages.begin(), messages.end()), messages.end());
}

}  // namespace
}  // namespace ferrolin::test
