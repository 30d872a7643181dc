// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The two ways number text becomes a value. Both read the evaluator's prepared text (UTF-8).
#include <string_view>

#include "evaluator/Arithmetic.h"

namespace ferrolin::detail {

// A single operand token: digits, an optional "." with digits, an optional exponent "e" with
// digits; "." is the decimal point. At least one digit must come before the exponent. Returns
// false when the text is not such a number; records an overflow in `s` when the number is too
// large for the format.
//
// Literals of thousands of digits keep their value: digits past about 4,900 only move the
// decimal exponent, so a long literal whose value fits the format does not overflow on its way.
bool ReadFixedNumber(std::string_view text, long double& value, Status& s);

// An element of a comma list: optional blanks and sign, digits, `separator` and digits, an
// exponent whose reading stops at 500, optional blanks. Records NotValidFloat in `s` when the
// text is not such a number, and an overflow when it lies beyond the double range the list
// stores.
double ReadListElement(std::string_view text, char32_t separator, Status& s);

}  // namespace ferrolin::detail
