#pragma once
// The two ways number text becomes a value. Both read the evaluator's prepared text (UTF-8).
#include <string_view>

namespace ferrolin::detail {

// A single operand token: digits, an optional "." with digits, an optional exponent "e" with
// digits; "." is the decimal point. At least one digit must come before the exponent. Returns
// false when the text is not such a number; fails with kOverflow when the number is too large
// for the format.
bool ReadFixedNumber(std::string_view text, long double& value);

// An element of a comma list: optional blanks and sign, digits, `separator` and digits, an
// exponent whose reading stops at 500, optional blanks. Fails with "'<text>' is not a valid
// floating point value" when the text is not such a number, and with kOverflow when it lies
// beyond the double range the list stores.
double ReadListElement(std::string_view text, char32_t separator);

}  // namespace ferrolin::detail
