// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace ferrolin {

// Why an evaluation failed. The first five are the reader's, the next three the arithmetic's.
enum class ErrorKind : std::uint8_t {
    MissingLeftBracket,   // a function name not followed by "("
    MissingRightBracket,  // a bracket or an argument left open
    MissingOperand,       // the text ends where an operand belongs
    UnableToEvaluate,     // a token that is neither a number, a constant nor a list
    InvalidExpression,    // text left over after a whole expression
    InvalidOperation,
    DivisionByZero,
    Overflow,
    NotValidFloat,        // an element of a comma list that is not a number
    NestedTooDeeply,      // brackets, calls or "^" nested beyond Evaluator::kMaxNesting
    InvalidText,          // the text handed in is not UTF-8
};
inline constexpr int kErrorKindCount = 11;

// The exact message of a failure (UTF-8). `quoted` is the text the message quotes: the prepared
// text read so far, the offending last token, or the list element; `named` is the token that
// "Unable to evaluate" names. Kinds without a quoted part ignore both.
std::string ErrorMessage(ErrorKind kind, std::string_view quoted = {}, std::string_view named = {});

// A failed evaluation: its kind, its message, and where reading stopped, as a byte offset into
// the caller's own text (UTF-8, blanks and capitals included): the end of the quoted part for
// the reader's failures, the end of the token being read when an arithmetic step or a list
// element failed, and the first byte that is not UTF-8 for InvalidText.
struct EvaluationFailure {
    ErrorKind kind = ErrorKind::InvalidOperation;
    std::size_t position = 0;
    std::string message;
};

// The three arithmetic messages.
inline constexpr const char* kInvalidOperation = "Invalid floating point operation";
inline constexpr const char* kDivisionByZero = "Floating point division by zero";
inline constexpr const char* kOverflow = "Floating point overflow";
inline constexpr const char* kNotEnoughParameters = "Not enough parameters";
// The expression handed in is not UTF-8 text.
inline constexpr const char* kInvalidText = "The expression is not valid UTF-8 text";

}  // namespace ferrolin
