// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Functions worked out in binary128 (113-bit significand, the same exponent range as the 80-bit
// format) by GCC's libquadmath and rounded once to 80 bits. Their own error is a few units of
// 2^-113, so the one rounding decides the result: it is the correctly rounded value unless the
// true value lies within about 2^-110 of a halfway point between two 80-bit numbers. They cost
// a microsecond or two each (thirty times the C library's), so the common functions (sin, cos,
// tan, exp, the logarithms, exact powers) keep faster code and come here only when that code
// cannot settle the last bit.
#include "evaluator/Arithmetic.h"

namespace ferrolin::detail {

using Quad = __float128;

extern "C" {
Quad sinq(Quad);
Quad cosq(Quad);
Quad tanq(Quad);
Quad expq(Quad);
Quad logq(Quad);
Quad log10q(Quad);
Quad log2q(Quad);
Quad sinhq(Quad);
Quad coshq(Quad);
Quad tanhq(Quad);
Quad asinhq(Quad);
Quad acoshq(Quad);
Quad atanhq(Quad);
Quad asinq(Quad);
Quad acosq(Quad);
Quad atanq(Quad);
Quad powq(Quad, Quad);
Quad sqrtq(Quad);
}

inline Quad ToQuad(Ext x) { return static_cast<Quad>(x); }
inline Ext Rounded(Quad q) { return static_cast<Ext>(q); }

// f(x) rounded once to the format.
inline Ext InQuad(Quad (*f)(Quad), Ext x) { return Rounded(f(ToQuad(x))); }

}  // namespace ferrolin::detail
