#include "evaluator/FunctionLibrary.h"

#include <cmath>
#include <cstdint>
#include <limits>

#include "evaluator/Constants.h"
#include "evaluator/RandomSource.h"

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

// glibc's expl, sinhl, coshl and tanhl carry extra bits through the argument reduction, so
// their results stay within a unit in the last place at every argument (tanhl within two);
// rounding x * log2(e) to 64 bits first would lose up to 13 bits at large |x|.
Ext Exp(Ext x, Status& s) {
    if (IsNan(x)) return x;
    if (!RequireFinite(x, s)) return 0;
    return CheckedFinite(expl(x), s);
}

Ext Ln(Ext x, Status& s) { return Mul(kLn2, Log2(x, s), s); }

Ext Sinh(Ext x, Status& s) {
    if (!RequireOrdered(x, s)) return 0;
    if (Abs(x) <= kCloseness) return 0;
    if (!RequireFinite(x, s)) return 0;
    return CheckedFinite(sinhl(x), s);
}

Ext Cosh(Ext x, Status& s) {
    if (!RequireOrdered(x, s)) return 0;
    if (Abs(x) <= kCloseness) return 1;
    if (!RequireFinite(x, s)) return 0;
    return CheckedFinite(coshl(x), s);
}

// Saturates at +-1 instead of failing where sinh and cosh would overflow.
Ext Tanh(Ext x, Status& s) {
    if (!RequireOrdered(x, s)) return 0;
    if (Abs(x) <= kCloseness) return 0;
    if (!RequireFinite(x, s)) return 0;
    return tanhl(x);
}

Ext Arctanh(Ext x, Status& s) {
    if (!RequireOrdered(x, s)) return 0;
    if (Abs(x - 1) <= kCloseness) return __builtin_infl();
    if (Abs(x + 1) <= kCloseness) return -__builtin_infl();
    return Mul(0.5L, Ln(Div(Add(1, x, s), Sub(1, x, s), s), s), s);
}

Ext Arccosh(Ext x, Status& s) {
    return Ln(Add(x, Mul(Add(x, 1, s), Sqrt(Div(Sub(x, 1, s), Add(x, 1, s), s), s), s), s), s);
}

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

// Two passes, mean first: no cancellation, so equal values give exactly 0.
Ext MeanOf(std::span<const double> v) {
    Ext sum = 0;
    for (double d : v) sum += d;
    return sum / static_cast<Ext>(v.size());
}

Ext VarianceOf(std::span<const double> v, Status& s) {
    const Ext mean = MeanOf(v);
    Ext squares = 0;
    for (double d : v) {
        const Ext deviation = d - mean;
        squares += deviation * deviation;
    }
    return Div(squares, static_cast<Ext>(v.size() - 1), s);
}

}  // namespace

Ext Mean(std::span<const double> list, Status& s) { return EnoughParameters(list, s) ? MeanOf(list) : kNaN; }
Ext Variance(std::span<const double> list, Status& s) {
    return EnoughParameters(list, s) ? VarianceOf(list, s) : kNaN;
}
Ext StandardDeviation(std::span<const double> list, Status& s) {
    return EnoughParameters(list, s) ? Sqrt(VarianceOf(list, s), s) : kNaN;
}

}  // namespace ferrolin::detail
