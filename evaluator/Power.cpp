#include "evaluator/Power.h"

#include <cmath>

namespace ferrolin::detail {

// glibc's powl works in more than 64 bits, so it stays within a unit in the last place where
// squaring and multiplying in the format loses a bit per squaring (millions of units at an
// exponent of 1e9), and it settles exponents of 2^63 and beyond by their true value.

Ext IntegerPower(Ext b, Ext k, Status& s) {
    if (k == 0) return 1;  // for every b, NaN included
    if (b == 0 && k < 0) return FailDivisionByZero(s);
    const Ext r = powl(b, k);
    if (!IsFinite(r) && IsFinite(b)) return FailOverflow(s);
    return r;
}

Ext GeneralPower(Ext b, Ext y, Status& s) {
    if (b == 0) return b;
    if (IsNan(b)) return b;
    if (b < 0 || !IsFinite(b)) return FailInvalid(s);
    const Ext r = powl(b, y);
    if (!IsFinite(r)) return FailOverflow(s);
    return r;
}

}  // namespace ferrolin::detail
