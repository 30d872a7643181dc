// Precedence, signs, blanks and the five syntax messages with their quoted text.
#include <gtest/gtest.h>

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

TEST(Grammar, ReportsSyntaxErrorsQuotingThePreparedText) {
    const MessageCase cases[] = {
        {"2^-1", UnableToEvaluate("2^-", "-")},
        {"2*-3", UnableToEvaluate("2*-", "-")},
        {"--2", UnableToEvaluate("--", "-")},
        {"(2+3", MissingRightBracket("(2+3")},
        {"sqrt(4", MissingRightBracket("sqrt(4")},
        {"2+3)", InvalidExpression(")")},
        {"2+3)4", InvalidExpression("2+3)")},
        {"2 + 3 )", InvalidExpression(")")},
        {"2=", InvalidExpression("=")},
        {"2=3", InvalidExpression("2=")},
        {"2%3", InvalidExpression("2%")},
        {"e(2)", InvalidExpression("e(")},
        {"sin+1", MissingLeftBracket("sin+")},
        {"sin", MissingLeftBracket("sin")},
        {"sin 30", UnableToEvaluate("sin30", "sin30")},
        {"SIN 30", UnableToEvaluate("sin30", "sin30")},
        {"2pi", UnableToEvaluate("2pi", "2pi")},
        {"1e-5", UnableToEvaluate("1e", "1e")},
        {"foo(2)", UnableToEvaluate("foo", "foo")},
        {"()", UnableToEvaluate("()", ")")},
        {"2+", MissingOperand("2+")},
        {"2*", MissingOperand("2*")},
        {"2^", MissingOperand("2^")},
        {"(", MissingOperand("(")},
        {"   ", MissingOperand("")},
        {"\r\n", MissingOperand("")},
        {"", MissingOperand("")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(Visible(c.input));
        Outcome outcome = Evaluate(c.input);
        EXPECT_FALSE(outcome.ok) << Describe(outcome);
        if (outcome.ok) continue;
        EXPECT_EQ(Visible(outcome.error), Visible(c.message));
    }
}

// Characters outside ASCII are whole tokens of their own, quoted whole, and never lowercased.
TEST(Grammar, TreatsEveryCodePointAsOneToken) {
    const MessageCase cases[] = {
        {"2+\u00e9", UnableToEvaluate("2+\u00e9", "\u00e9")},
        {"2\u00e9", InvalidExpression("\u00e9")},
        {"2\u00e93", InvalidExpression("2\u00e9")},
        {"\u00c9", UnableToEvaluate("\u00c9", "\u00c9")},
        {"2\u00b2", InvalidExpression("\u00b2")},
        {"\u20ac5", UnableToEvaluate("\u20ac", "\u20ac")},
        {"\xF0\x9F\x98\x80", UnableToEvaluate("\xF0\x9F\x98\x80", "\xF0\x9F\x98\x80")},
        {"1+\xF0\x9F\x98\x80+2", UnableToEvaluate("1+\xF0\x9F\x98\x80", "\xF0\x9F\x98\x80")},
        {"(1\xF0\x9F\x98\x80", MissingRightBracket("(1\xF0\x9F\x98\x80")},
        {"\xF4\x8F\xBF\xBF", UnableToEvaluate("\xF4\x8F\xBF\xBF", "\xF4\x8F\xBF\xBF")},  // U+10FFFF
        {"\u00a0" "2", UnableToEvaluate("\u00a0", "\u00a0")},  // a no-break space is no blank
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(Visible(c.input));
        Outcome outcome = Evaluate(c.input);
        EXPECT_FALSE(outcome.ok) << Describe(outcome);
        if (outcome.ok) continue;
        EXPECT_EQ(outcome.error, c.message);
    }
}

TEST(Grammar, RejectsTextThatIsNotUtf8) {
    const std::string cases[] = {
        "\xFF",
        "2+\xC3",                // cut off after the lead byte
        "1+\xE2\x82",            // cut off inside a three-byte form
        "\x80" "1",              // stray continuation byte
        "\xC0\xAF",              // overlong "/"
        "\xE0\x80\xAF",          // overlong in three bytes
        "\xED\xA0\x80",          // a surrogate
        "\xF4\x90\x80\x80",      // past U+10FFFF
        "sin(\xFE)",
        "2 3 \xC3\x28",          // lead byte followed by an ASCII byte
    };
    for (const auto& input : cases) {
        SCOPED_TRACE(Visible(input));
        Outcome outcome = Evaluate(input);
        EXPECT_FALSE(outcome.ok) << Describe(outcome);
        if (outcome.ok) continue;
        EXPECT_EQ(outcome.error, kInvalidText);
    }
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

TEST(Grammar, QuotesTheTextUpToTheBracketThatIsOneTooDeep) {
    const std::size_t limit = Evaluator::kMaxNesting;
    Outcome outcome = Evaluate(Repeat("(", limit + 1) + "1" + Repeat(")", limit + 1));
    EXPECT_EQ(outcome.error, NestedTooDeeply(Repeat("(", limit + 1)));
}

TEST(Grammar, UnbalancedDeepTextStillReportsTheMissingBracket) {
    const std::string input = Repeat("(", Evaluator::kMaxNesting - 1) + "1";
    Outcome outcome = Evaluate(input);
    EXPECT_EQ(outcome.error, MissingRightBracket(input));
}

// One evaluator serves the window for the whole run: a failure must leave nothing behind.
TEST(Grammar, EvaluatorIsReusableAfterAnyOutcome) {
    Evaluator evaluator;
    long double value = 0;
    EXPECT_THROW(evaluator.EvaluateExpression("(2+3", value), EvaluationError);
    EXPECT_THROW(evaluator.EvaluateExpression(std::string(5000, '('), value), EvaluationError);
    EXPECT_THROW(evaluator.EvaluateExpression("\xFF", value), EvaluationError);
    EXPECT_THROW(evaluator.EvaluateExpression("1/0", value), EvaluationError);
    ASSERT_TRUE(evaluator.EvaluateExpression("2+3", value));
    EXPECT_EQ(value, 5);
    ASSERT_TRUE(evaluator.EvaluateExpression("(((4)))", value));
    EXPECT_EQ(value, 4);
}

TEST(Grammar, ModuleEvaluatorUsesTheDefaults) {
    long double value = 0;
    ASSERT_TRUE(EvaluateExpression("mean(1.5,2.5)", value));
    EXPECT_EQ(value, 2);
    EXPECT_THROW(EvaluateExpression("2+", value), EvaluationError);
}

}  // namespace
}  // namespace ferrolin::test
