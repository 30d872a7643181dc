// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The two power operations behind "^".
#include "evaluator/Arithmetic.h"

namespace ferrolin::detail {

// b to a whole exponent k (any integral value, not only 32-bit ones), correctly rounded; exact
// where the true power fits the format. The result lands inside the format
// whenever the true power does, even when the positive power would not (2^-20000 is 0).
Ext IntegerPower(Ext b, Ext k, Status& s);

// b to a non-integral y (glibc's powl, within a unit in the last place): b itself for b = 0,
// invalid for a negative or infinite b.
Ext GeneralPower(Ext b, Ext y, Status& s);

}  // namespace ferrolin::detail
