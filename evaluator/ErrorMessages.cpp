// SPDX-License-Identifier: GPL-3.0-or-later
#include "evaluator/EvaluationError.h"

#include <array>

namespace ferrolin {

namespace {

// Each message is lead + quoted + tail + named; the row order follows ErrorKind.
//
// The reader's messages separate the quoted text from the explanation with a line feed followed
// by a carriage return ("\n\r", in that order), and some tails start with a blank after it. Both
// are part of the message as the error box, the tests, and scripts reading ferrolin-eval's
// output know it; they are kept byte for byte. Programs that print a message elsewhere turn the
// pair into their own line break (ferrolin-eval does).
struct MessageParts {
    ErrorKind kind;
    const char* lead;
    const char* tail;
    bool quotes = true;
};

constexpr std::array<MessageParts, kErrorKindCount> kMessages{{
    {ErrorKind::MissingLeftBracket, "", "\n\rMissing left bracket \"(\" "},
    {ErrorKind::MissingRightBracket, "", "\n\r Missing right bracket \")\""},
    {ErrorKind::MissingOperand, "", "\n\r Missing operand "},
    {ErrorKind::UnableToEvaluate, "", "\n\r Unable to evaluate "},
    {ErrorKind::InvalidExpression, "", "\n\rInvalid expression. Clear and start again"},
    {ErrorKind::InvalidOperation, "", kInvalidOperation, false},
    {ErrorKind::DivisionByZero, "", kDivisionByZero, false},
    {ErrorKind::Overflow, "", kOverflow, false},
    {ErrorKind::NotValidFloat, "'", "' is not a valid floating point value"},
    {ErrorKind::NestedTooDeeply, "", "\n\r Expression nested too deeply"},
    {ErrorKind::InvalidText, "", kInvalidText, false},
}};

constexpr bool RowsFollowTheKinds() {
    for (std::size_t i = 0; i < kMessages.size(); ++i)
        if (static_cast<std::size_t>(kMessages[i].kind) != i) return false;
    return true;
}
static_assert(RowsFollowTheKinds());

}  // namespace

std::string ErrorMessage(ErrorKind kind, std::string_view quoted, std::string_view named) {
    const MessageParts& parts = kMessages[static_cast<std::size_t>(kind)];
    std::string text(parts.lead);
    if (parts.quotes) text.append(quoted);
    text.append(parts.tail);
    if (kind == ErrorKind::UnableToEvaluate) text.append(named);
    return text;
}

}  // namespace ferrolin
