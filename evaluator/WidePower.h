// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// b^m for a whole m > 0 with a 128-bit significand in integers, rounded once when that settles
// the last bit: the same result as powq rounded to 80 bits, at a tenth of its cost.
#include <cstdint>

#include "evaluator/Arithmetic.h"

namespace ferrolin::detail {

// The largest exponent taken: every step's truncation error doubles with each squaring after
// it, and at 2^16 the sum stays below 2^-104 of the result.
inline constexpr std::uint64_t kWidePowerMaxExponent = 1 << 16;

// b^m (1 <= m <= kWidePowerMaxExponent) correctly rounded into r, for a normal b and a normal
// result; false when the result would leave the normal range or lies too near a halfway point
// between two 80-bit numbers to be told apart from powq's own error.
bool WidePower(Ext b, std::uint64_t m, Ext& r);

}  // namespace ferrolin::detail
