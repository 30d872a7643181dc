// SPDX-License-Identifier: GPL-3.0-or-later
#include "evaluator/FunctionLibrary.h"

#include <cmath>
#include <cstdint>
#include <limits>

#include "evaluator/Constants.h"
#include "evaluator/QuadPrecision.h"
#include "evaluator/RandomSource.h"
#include "evaluator/WideExponential.h"
#include "evaluator/WideLogarithm.h"

namespace ferrolin::detail {

namespace {

constexpr Ext kNaN = std::numeric_limits<Ext>::quiet_NaN();

// The hyperbolic functions fail alike on a NaN or an infinity, as e^x of an infinity does.
bool RequireFinite(Ext x, Status& s) {
    if (IsFinite(x)) return true;
    FailInvalid(s);
    return false;
}

// A finite argument whose true result lies beyond the format.
Ext CheckedFinite(Ext r, Status& s) { return IsFinite(r) ? r : FailOverflow(s); }

}  // namespace

// Correctly rounded (glibc's expl misses by up to 0.7 units in the last place; rounding
// x * log2(e) to 64 bits first, as the textbook reduction does, would lose up to 13 bits at large
// |x|). exp(-1e4932) is 0, as the true value rounds.
Ext Exp(Ext x, Status& s) {
    if (IsNan(x)) return x;
    if (!RequireFinite(x, s)) return 0;
    return CheckedFinite(Exponential(x), s);
}

namespace {

// 1/q rounded; infinite only where the true value lies beyond the format (a NaN passes).
Ext Reciprocal(Quad q, Status& s) {
    const Ext r = Rounded(1 / q);
    return __builtin_isinf(r) ? FailOverflow(s) : r;
}

}  // namespace

// 1/sin x, 1/cos x and 1/tan x rounded once: through the C library's 80-bit sine a second
// rounding took them up to two units in the last place out. The 80-bit steps still run first,
// for the failures users know (cosecant(0) and cotangent(0) divide by zero).
Ext Cosecant(Ext x, Status& s) {
    Div(1, Checked(sinl(x), x, s), s);
    return s.failed ? 0 : Reciprocal(sinq(ToQuad(x)), s);
}

Ext Secant(Ext x, Status& s) {
    Div(1, Checked(cosl(x), x, s), s);
    return s.failed ? 0 : Reciprocal(cosq(ToQuad(x)), s);
}

Ext Cotangent(Ext x, Status& s) {
    Div(1, Checked(tanl(x), x, s), s);
    return s.failed ? 0 : Reciprocal(tanq(ToQuad(x)), s);
}

// Zero, negative numbers, infinities and NaN give what log2 gives them.
Ext Ln(Ext x, Status& s) { return x > 0 && IsFinite(x) ? NaturalLogarithm(x) : Log2(x, s); }
Ext Log10(Ext x, Status& s) { return x > 0 && IsFinite(x) ? CommonLogarithm(x) : Log2(x, s); }
Ext LogBase2(Ext x, Status& s) { return x > 0 && IsFinite(x) ? BinaryLogarithm(x) : Log2(x, s); }

// sinh, cosh and tanh go through binary128: glibc's sinhl and coshl drift to three units near
// overflow and tanhl to two, and e^x - e^-x cancels near 0. Where e^x overflows but sinh x does
// not (|x| up to about 11357.2) the result is the representable value.
Ext Sinh(Ext x, Status& s) {
    if (!RequireOrdered(x, s)) return 0;
    if (Abs(x) <= kCloseness) return 0;
    if (!RequireFinite(x, s)) return 0;
    return CheckedFinite(InQuad(sinhq, x), s);
}

Ext Cosh(Ext x, Status& s) {
    if (!RequireOrdered(x, s)) return 0;
    if (Abs(x) <= kCloseness) return 1;
    if (!RequireFinite(x, s)) return 0;
    return CheckedFinite(InQuad(coshq, x), s);
}

// Saturates at +-1 instead of failing where sinh and cosh would overflow.
Ext Tanh(Ext x, Status& s) {
    if (!RequireOrdered(x, s)) return 0;
    if (Abs(x) <= kCloseness) return 0;
    if (!RequireFinite(x, s)) return 0;
    return InQuad(tanhq, x);
}

// atan2l(x, 1) reaches 0.52 units in the last place; binary128 settles the last bit.
Ext Arctan(Ext x) { return InQuad(atanq, x); }

// Odd and overflow-free, unlike ln(x + sqrt(x*x + 1)), which cancels for large negative x.
Ext Arcsinh(Ext x) { return InQuad(asinhq, x); }

// The inverse functions below keep the failures their textbook formulas have always given
// (arcsin(2) and arccosh(0.5) invalid, arccosh(-1) a division by zero, arcsin(1e3000) an
// overflow of x*x): those formulas run first for their checks only. Their values cancel near the
// domain edges (arccosh(1 + 3*2^-63) was off by 1e9 units, arcsin near -1 by 6000) and lose
// arctanh of a tiny x altogether, so the value itself comes from binary128.
Ext Arcsin(Ext x, Status& s) {
    Sqrt(Sub(1, Mul(x, x, s), s), s);
    return s.failed ? 0 : InQuad(asinq, x);
}

Ext Arccos(Ext x, Status& s) {
    Sqrt(Mul(Add(1, x, s), Sub(1, x, s), s), s);
    return s.failed ? 0 : InQuad(acosq, x);
}

Ext Arctanh(Ext x, Status& s) {
    if (!RequireOrdered(x, s)) return 0;
    if (Abs(x - 1) <= kCloseness) return __builtin_infl();
    if (Abs(x + 1) <= kCloseness) return -__builtin_infl();
    if (!(Abs(x) < 1)) return FailInvalid(s);  // (1 + x)/(1 - x) is negative or infinity/infinity
    return InQuad(atanhq, x);
}

Ext Arccosh(Ext x, Status& s) {
    const Ext y = Log2(Add(x, Mul(Add(x, 1, s), Sqrt(Div(Sub(x, 1, s), Add(x, 1, s), s), s), s), s), s);
    if (s.failed || IsNan(y)) return y;
    return InQuad(acoshq, x);
}

namespace {

// x times a ratio of whole numbers, rounded once: through the two stored constants a conversion
// rounded twice and could miss by almost two units in the last place (gradtodeg(200) gave one
// unit below 180). The ratio is held to 113 bits, and x times it has no halfway cases that
// close, so the result is the correctly rounded one.
Ext TimesRatio(Ext x, Quad ratio, Status& s) {
    const Ext r = Rounded(ToQuad(x) * ratio);
    return IsFinite(r) || !IsFinite(x) ? r : FailOverflow(s);
}

}  // namespace

Ext DegreesToGradians(Ext x, Status& s) { return TimesRatio(x, static_cast<Quad>(10) / 9, s); }
Ext DegreesToCycles(Ext x, Status& s) { return TimesRatio(x, 1 / static_cast<Quad>(360), s); }
Ext GradiansToDegrees(Ext x, Status& s) { return TimesRatio(x, static_cast<Quad>(9) / 10, s); }
Ext GradiansToCycles(Ext x, Status& s) { return TimesRatio(x, 1 / static_cast<Quad>(400), s); }

// Whole-number functions: exact for every finite value.
Ext Ceil(Ext x, Status& s) { return RequireFinite(x, s) ? __builtin_ceill(x) : 0; }
Ext Floor(Ext x, Status& s) { return RequireFinite(x, s) ? __builtin_floorl(x) : 0; }

Ext Factorial(Ext x, Status& s) {
    TruncateToInt64(x, s);  // NaN, infinities and |x| >= 2^63 are invalid
    if (s.failed) return 0;
    const Ext n = __builtin_floorl(x);
    if (n < 1 || n > 15) return -kNaN;
    Ext r = 1;
    for (int k = static_cast<int>(n); k > 1; --k) r *= k;
    return r;
}

Ext Random(Ext x, Status& s) {
    const std::int64_t n = RoundToInt64(x, s);
    if (n <= 1) return 1;
    RandomSource& source = s.random ? *s.random : RandomSource::Shared();
    return static_cast<Ext>(source.Draw(static_cast<std::uint64_t>(n)));
}

namespace {

bool EnoughParameters(std::span<const double> list, Status& s) {
    if (list.size() >= 2) return true;
    ++s.notices;
    return false;
}

// The sums run in binary128, where the elements (doubles) and their squares lose next to
// nothing, so the one rounding at the end decides the result; in 80 bits, lists of mixed
// magnitude left the mean 2.6 and the variance 3.4 units in the last place out.
Quad MeanOf(std::span<const double> v) {
    Quad sum = 0;
    for (double d : v) sum += d;
    return sum / static_cast<Quad>(v.size());
}

// Two passes, mean first: no cancellation, so equal values give exactly 0.
Quad VarianceOf(std::span<const double> v) {
    const Quad mean = MeanOf(v);
    Quad squares = 0;
    for (double d : v) {
        const Quad deviation = d - mean;
        squares += deviation * deviation;
    }
    return squares / static_cast<Quad>(v.size() - 1);
}

}  // namespace

Ext Mean(std::span<const double> list, Status& s) {
    return EnoughParameters(list, s) ? Rounded(MeanOf(list)) : kNaN;
}
Ext Variance(std::span<const double> list, Status& s) {
    return EnoughParameters(list, s) ? Rounded(VarianceOf(list)) : kNaN;
}
Ext StandardDeviation(std::span<const double> list, Status& s) {
    return EnoughParameters(list, s) ? Rounded(sqrtq(VarianceOf(list))) : kNaN;
}

}  // namespace ferrolin::detail
