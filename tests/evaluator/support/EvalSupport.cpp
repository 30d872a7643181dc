// SPDX-License-Identifier: GPL-3.0-or-later
#include "evaluator/support/EvalSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>

#include "evaluator/MyParser.h"

namespace ferrolin::test {

Outcome Evaluate(std::string_view text, char32_t decimalSeparator) {
    Outcome outcome;
    EvaluatorOptions options;
    options.decimalSeparator = decimalSeparator;
    Evaluator evaluator(options);
    Evaluation result = evaluator.Evaluate(text);
    outcome.ok = result.ok();
    outcome.notices = std::move(result.notices);
    if (outcome.ok) {
        outcome.value = result.value;
    } else {
        outcome.error = result.failure->message;
        outcome.kind = result.failure->kind;
        outcome.position = result.failure->position;
    }
    return outcome;
}

ExtendedBits BitsOf(long double value) {
    unsigned char raw[10];
    std::memcpy(raw, &value, sizeof raw);
    ExtendedBits bits{};
    std::memcpy(&bits.significand, raw, 8);
    std::memcpy(&bits.signExponent, raw + 8, 2);
    return bits;
}

std::string Visible(std::string_view text) {
    std::string out;
    for (unsigned char c : text) {
        if (c == '\n') out += "\\n";
        else if (c == '\r') out += "\\r";
        else if (c < 0x20 || c == 0x7F) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\x%02X", c);
            out += buf;
        } else out += static_cast<char>(c);
    }
    return out;
}

std::string Describe(const Outcome& outcome) {
    if (!outcome.ok) return "error \"" + Visible(outcome.error) + "\"";
    char buf[64];
    std::snprintf(buf, sizeof buf, "value %.21Lg", outcome.value);
    return buf;
}

std::string MissingLeftBracket(std::string_view consumed) {
    return std::string(consumed) + "\n\rMissing left bracket \"(\" ";
}
std::string MissingRightBracket(std::string_view consumed) {
    return std::string(consumed) + "\n\r Missing right bracket \")\"";
}
std::string MissingOperand(std::string_view consumed) {
    return std::string(consumed) + "\n\r Missing operand ";
}
std::string UnableToEvaluate(std::string_view consumed, std::string_view token) {
    return std::string(consumed) + "\n\r Unable to evaluate " + std::string(token);
}
std::string InvalidExpression(std::string_view quoted) {
    return std::string(quoted) + "\n\rInvalid expression. Clear and start again";
}
std::string NestedTooDeeply(std::string_view consumed) {
    return std::string(consumed) + "\n\r Expression nested too deeply";
}
std::string NotValidFloat(std::string_view element) {
    return "'" + std::string(element) + "' is not a valid floating point value";
}

void ExpectExactValues(std::span<const ExactCase> cases) {
    for (const ExactCase& c : cases) {
        SCOPED_TRACE(c.input);
        const Outcome outcome = Evaluate(c.input);
        EXPECT_TRUE(outcome.ok) << Describe(outcome);
        if (outcome.ok) {
            EXPECT_EQ(outcome.value, c.expected) << Describe(outcome);
            EXPECT_TRUE(outcome.notices.empty());
        }
    }
}

void ExpectExactBits(std::span<const ExactCase> cases) {
    for (const ExactCase& c : cases) {
        SCOPED_TRACE(c.input);
        const Outcome outcome = Evaluate(c.input);
        EXPECT_TRUE(outcome.ok) << Describe(outcome);
        if (outcome.ok) {
            EXPECT_EQ(BitsOf(outcome.value), BitsOf(c.expected)) << Describe(outcome);
        }
    }
}

void ExpectNaNs(std::span<const char* const> inputs, const std::vector<std::string>& notices) {
    for (const char* input : inputs) {
        SCOPED_TRACE(input);
        const Outcome outcome = Evaluate(input);
        EXPECT_TRUE(outcome.ok) << Describe(outcome);
        if (outcome.ok) {
            EXPECT_TRUE(std::isnan(outcome.value)) << Describe(outcome);
            EXPECT_EQ(outcome.notices, notices);
        }
    }
}

void ExpectNearValues(std::span<const NearCase> cases, long double tableTolerance) {
    for (const NearCase& c : cases) {
        SCOPED_TRACE(c.input);
        const Outcome outcome = Evaluate(c.input);
        EXPECT_TRUE(outcome.ok) << Describe(outcome);
        if (outcome.ok) {
            const long double tolerance = c.relativeTolerance != 0 ? c.relativeTolerance : tableTolerance;
            EXPECT_LE(std::fabs(outcome.value / c.expected - 1), tolerance) << Describe(outcome);
        }
    }
}

void ExpectFailures(std::span<const ErrorCase> cases) {
    for (const ErrorCase& c : cases) {
        SCOPED_TRACE(c.input);
        const Outcome outcome = Evaluate(c.input);
        EXPECT_FALSE(outcome.ok) << Describe(outcome);
        if (!outcome.ok) {
            EXPECT_EQ(outcome.error, c.message);
        }
    }
}

void ExpectFailures(std::span<const char* const> inputs, std::string_view message) {
    for (const char* input : inputs) {
        SCOPED_TRACE(input);
        const Outcome outcome = Evaluate(input);
        EXPECT_FALSE(outcome.ok) << Describe(outcome);
        if (!outcome.ok) {
            EXPECT_EQ(outcome.error, message);
        }
    }
}

void ExpectKinds(std::span<const KindCase> cases) {
    for (const KindCase& c : cases) {
        SCOPED_TRACE(Visible(c.input));
        const Outcome outcome = Evaluate(c.input);
        EXPECT_FALSE(outcome.ok) << Describe(outcome);
        if (!outcome.ok) {
            EXPECT_EQ(static_cast<int>(outcome.kind), static_cast<int>(c.kind)) << Describe(outcome);
            EXPECT_EQ(outcome.position, c.position) << Describe(outcome);
        }
    }
}

}  // namespace ferrolin::test
