#pragma once
#include <stdexcept>
#include <string>

namespace ferrolin {

// Every failure of an evaluation: syntax, conversion or arithmetic. what() is the exact message
// (UTF-8); syntax messages quote the text read so far, then a line feed and a carriage return.
class EvaluationError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The three arithmetic messages.
inline constexpr const char* kInvalidOperation = "Invalid floating point operation";
inline constexpr const char* kDivisionByZero = "Floating point division by zero";
inline constexpr const char* kOverflow = "Floating point overflow";
inline constexpr const char* kNotEnoughParameters = "Not enough parameters";
// The expression handed in is not UTF-8 text.
inline constexpr const char* kInvalidText = "The expression is not valid UTF-8 text";

}  // namespace ferrolin
