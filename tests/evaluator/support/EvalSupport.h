// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Shared by the evaluator tests: one evaluation with everything it reported, and exact views of
// extended values.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "evaluator/EvaluationError.h"

namespace ferrolin::test {

struct Outcome {
    bool ok = false;
    long double value = 0;
    std::string error;                 // the failure's message when !ok
    ErrorKind kind = ErrorKind::InvalidOperation;  // when !ok
    std::size_t position = 0;                      // when !ok
    std::vector<std::string> notices;  // the notices the evaluation owes its caller
};

// A fresh evaluator for each call, so no case leans on the state another one left.
Outcome Evaluate(std::string_view text, char32_t decimalSeparator = U'.');

// Table rows: an expression and the exact value it gives, or the message it fails with.
struct ExactCase {
    const char* input;
    long double expected;
};
struct ErrorCase {
    const char* input;
    const char* message;
};
// A failure by its kind and where reading stopped (a byte offset into the input).
struct KindCase {
    std::string input;
    ErrorKind kind;
    std::size_t position;
};
// A value within a relative tolerance: the row's own, or the table's when the row leaves it 0.
struct NearCase {
    const char* input;
    long double expected;
    long double relativeTolerance = 0;
};
// Exact values come with no notice.
void ExpectExactValues(std::span<const ExactCase> cases);
// The same to the bit: tells -0 from 0 and catches a value that only compares equal.
void ExpectExactBits(std::span<const ExactCase> cases);
// Each input evaluates, to NaN, owing exactly `notices`.
void ExpectNaNs(std::span<const char* const> inputs, const std::vector<std::string>& notices = {});
void ExpectNearValues(std::span<const NearCase> cases, long double tableTolerance);
void ExpectFailures(std::span<const ErrorCase> cases);
void ExpectFailures(std::span<const char* const> inputs, std::string_view message);
void ExpectKinds(std::span<const KindCase> cases);

// The 80-bit pattern: sign and exponent word, then the significand with its integer bit.
struct ExtendedBits {
    std::uint16_t signExponent;
    std::uint64_t significand;
    bool operator==(const ExtendedBits&) const = default;
};
ExtendedBits BitsOf(long double value);

// Control characters written out, for readable test traces.
std::string Visible(std::string_view text);
// Outcome in one line for failure messages.
std::string Describe(const Outcome& outcome);

// Syntax messages: the quoted prepared text, "\n\r", then the fixed tail.
std::string MissingLeftBracket(std::string_view consumed);
std::string MissingRightBracket(std::string_view consumed);
std::string MissingOperand(std::string_view consumed);
std::string UnableToEvaluate(std::string_view consumed, std::string_view token);
std::string InvalidExpression(std::string_view quoted);
std::string NestedTooDeeply(std::string_view consumed);
std::string NotValidFloat(std::string_view element);

}  // namespace ferrolin::test
