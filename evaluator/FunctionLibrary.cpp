#include "evaluator/FunctionLibrary.h"

#include <cstdint>
#include <limits>
#include <mutex>
#include <random>

#include "evaluator/Arithmetic.h"
#include "evaluator/Constants.h"
#include "evaluator/EvaluationError.h"

// Failures here jump back to the evaluator (see FailureTarget): no object with a destructor may
// be alive when one of the Raise functions runs.

namespace ferrolin::detail {

namespace {

constexpr Ext kNaN = std::numeric_limits<Ext>::quiet_NaN();

Ext Exp(Ext x) { return Pow2(Mul(x, kLog2E)); }
Ext Ln(Ext x) { return Mul(kLn2, Log2(x)); }

Ext Sinh(Ext x) {
    RequireOrdered(x);
    if ((x < 0 ? -x : x) <= kCloseness) return 0;
    return Div(Sub(Exp(x), Exp(-x)), 2);
}

Ext Cosh(Ext x) {
    RequireOrdered(x);
    if ((x < 0 ? -x : x) <= kCloseness) return 1;
    return Div(Add(Exp(x), Exp(-x)), 2);
}

Ext Tanh(Ext x) {
    RequireOrdered(x);
    const Ext magnitude = x < 0 ? -x : x;
    if (magnitude <= kCloseness) return 0;
    if (!IsFinite(x)) RaiseInvalid();
    // From here on the quotient is +-1 to the last bit, and sinh alone would overflow later.
    if (magnitude > 64) return x < 0 ? -1.0L : 1.0L;
    return Div(Sinh(x), Cosh(x));
}

Ext Arctanh(Ext x) {
    RequireOrdered(x);
    const Ext toOne = x - 1, toMinusOne = x + 1;
    if ((toOne < 0 ? -toOne : toOne) <= kCloseness) return __builtin_infl();
    if ((toMinusOne < 0 ? -toMinusOne : toMinusOne) <= kCloseness) return -__builtin_infl();
    return Mul(0.5L, Ln(Div(Add(1, x), Sub(1, x))));
}

Ext Arccosh(Ext x) {
    return Ln(Add(x, Mul(Add(x, 1), Sqrt(Div(Sub(x, 1), Add(x, 1))))));
}

// Whole-number functions: exact for every finite value.
Ext Ceil(Ext x) {
    if (!IsFinite(x)) RaiseInvalid();
    return __builtin_ceill(x);
}
Ext Floor(Ext x) {
    if (!IsFinite(x)) RaiseInvalid();
    return __builtin_floorl(x);
}

Ext Factorial(Ext x) {
    TruncateToInt64(x);  // NaN, infinities and |x| >= 2^63 are invalid
    const Ext n = __builtin_floorl(x);
    if (n < 1 || n > 15) return -kNaN;
    Ext r = 1;
    for (int k = static_cast<int>(n); k > 1; --k) r *= k;
    return r;
}

Ext Random(Ext x) {
    const std::int64_t n = RoundToInt64(x);
    if (n <= 1) return 1;
    // One generator for the process, seeded once from the system's entropy source.
    static std::mutex mutex;
    static std::mt19937_64 generator{[] {
        std::random_device device;
        std::seed_seq seed{device(), device(), device(), device()};
        return std::mt19937_64(seed);
    }()};
    std::uniform_int_distribution<std::uint64_t> uniform(1, static_cast<std::uint64_t>(n));
    std::lock_guard lock(mutex);
    return static_cast<Ext>(uniform(generator));
}

// Two passes, mean first: no cancellation, so equal values give exactly 0.
Ext Mean(std::span<const double> v) {
    Ext sum = 0;
    for (double d : v) sum += d;
    return sum / static_cast<Ext>(v.size());
}
Ext Variance(std::span<const double> v) {
    const Ext mean = Mean(v);
    Ext squares = 0;
    for (double d : v) {
        const Ext deviation = d - mean;
        squares += deviation * deviation;
    }
    return Div(squares, static_cast<Ext>(v.size() - 1));
}

}  // namespace

Ext ApplyFunction(int index, Ext x, std::span<const double> parameters, const NoticeSink& notice) {
    if (index >= 36) {
        if (parameters.size() < 2) {
            if (notice) notice(kNotEnoughParameters);
            return kNaN;
        }
        switch (index) {
            case 36: return Mean(parameters);
            case 37: return Sqrt(Variance(parameters));
            default: return Variance(parameters);
        }
    }
    switch (index) {
        case 0: return Checked(__builtin_sinl(x), x);
        case 1: return Checked(__builtin_cosl(x), x);
        case 2: return Checked(__builtin_tanl(x), x);
        case 3: return __builtin_atan2l(x, Sqrt(Sub(1, Mul(x, x))));
        case 4: return __builtin_atan2l(Sqrt(Mul(Add(1, x), Sub(1, x))), x);
        case 5: return __builtin_atan2l(x, 1);
        case 6: return Div(1, Checked(__builtin_sinl(x), x));
        case 7: return Div(1, Checked(__builtin_cosl(x), x));
        case 8: return Div(1, Checked(__builtin_tanl(x), x));
        case 9: return Mul(x, kPiOver180);
        case 10: return Mul(Mul(x, kPiOver180), k200OverPi);
        case 11: return Div(Mul(x, kPiOver180), kTwoPi);
        case 12: return Mul(x, k180OverPi);
        case 13: return Mul(x, k200OverPi);
        case 14: return Div(x, kTwoPi);
        case 15: return Mul(Mul(x, kPiOver200), k180OverPi);
        case 16: return Mul(x, kPiOver200);
        case 17: return Div(Mul(x, kPiOver200), kTwoPi);
        case 18: return Mul(Mul(x, kTwoPi), k180OverPi);
        case 19: return Mul(x, kTwoPi);
        case 20: return Mul(Mul(x, kTwoPi), k200OverPi);
        case 21: return Sinh(x);
        case 22: return Cosh(x);
        case 23: return Tanh(x);
        case 24: return __builtin_asinhl(x);  // odd and overflow-free, unlike ln(x + sqrt(x*x + 1))
        case 25: return Arccosh(x);
        case 26: return Arctanh(x);
        case 27: return Ln(x);
        case 28: return Log2(x);
        case 29: return Mul(kLog10Of2, Log2(x));
        case 30: return Exp(x);
        case 31: return Sqrt(x);
        case 32: return Ceil(x);
        case 33: return Floor(x);
        case 34: return Factorial(x);
        case 35: return Random(x);
        default: RaiseInvalid();
    }
}

}  // namespace ferrolin::detail
