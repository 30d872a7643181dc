#pragma once
// The two power operations behind "^".
#include "evaluator/Arithmetic.h"

namespace ferrolin::detail {

// b to a whole exponent k (any integral value, not only 32-bit ones), within one unit in the
// last place; exact where the true power fits the format. The result lands inside the format
// whenever the true power does, even when the positive power would not (2^-20000 is 0).
Ext IntegerPower(Ext b, Ext k, Status& s);

// b to a non-integral y: b itself for b = 0, invalid for a negative or infinite b.
Ext GeneralPower(Ext b, Ext y, Status& s);

}  // namespace ferrolin::detail
