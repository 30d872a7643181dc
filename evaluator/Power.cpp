#include "evaluator/Power.h"

#include <cstdint>

#include "evaluator/Arithmetic.h"
#include "evaluator/Constants.h"

namespace ferrolin::detail {

namespace {

bool IsOddInteger(Ext m) {  // m >= 0 and integral
    if (m >= 0x1p64L) return false;  // every integer from 2^64 on is even in this format
    return (static_cast<std::uint64_t>(m) & 1) != 0;
}

// A value kept as mantissa in [0.5, 1) times 2^exponent, so powers never leave the format
// on the way.
struct Scaled {
    Ext mantissa;
    std::int64_t exponent;
    void Normalize() {
        int e;
        mantissa = __builtin_frexpl(mantissa, &e);
        exponent += e;
    }
};

// Far past every exponent the format can hold: the outcome is settled once this is reached.
constexpr std::int64_t kDecided = 1 << 20;

}  // namespace

Ext IntegerPower(Ext b, Ext k) {
    if (k == 0) return 1;
    const bool negativeExponent = k < 0;
    const Ext m = negativeExponent ? -k : k;
    if (IsNan(b)) return b;
    const bool odd = IsOddInteger(m);
    const bool negativeResult = b < 0 && odd;
    const Ext signedZero = negativeResult ? -0.0L : 0.0L;
    const Ext signedInfinity = negativeResult ? -__builtin_infl() : __builtin_infl();
    if (b == 0) {
        if (negativeExponent) RaiseDivisionByZero();
        return signedZero;
    }
    if (!IsFinite(b)) return negativeExponent ? signedZero : signedInfinity;

    const Ext magnitude = b < 0 ? -b : b;
    // Which way the power runs: towards huge (true) or towards tiny values.
    const bool growsHuge = (magnitude > 1) != negativeExponent;
    auto settled = [&]() -> Ext {
        if (growsHuge) RaiseOverflow();
        return signedZero;
    };
    if (magnitude == 1) return negativeResult ? -1.0L : 1.0L;
    if (m >= 0x1p63L) return settled();

    std::uint64_t bits = static_cast<std::uint64_t>(m);
    {
        // Straight square-and-multiply; when nothing on the way left the normal range this is
        // exactly what the scaled loop below would give, only cheaper.
        Ext p = magnitude, r = 1;
        for (std::uint64_t rest = bits;;) {
            if (rest & 1) r *= p;
            rest >>= 1;
            if (rest == 0) break;
            p *= p;
        }
        constexpr Ext kSafe = 0x1p-16000L;  // far above the subnormal range
        if (IsFinite(r) && r > kSafe && IsFinite(p) && p > kSafe) {
            if (negativeExponent) r = 1 / r;
            if (IsFinite(r) && r > kSafe) return negativeResult ? -r : r;
        }
    }
    Scaled p{magnitude, 0};
    p.Normalize();
    Scaled r{1, 0};
    for (;;) {
        if (bits & 1) {
            r.mantissa *= p.mantissa;
            r.exponent += p.exponent;
            r.Normalize();
        }
        bits >>= 1;
        if (bits == 0) break;
        p.mantissa *= p.mantissa;
        p.exponent *= 2;
        p.Normalize();
        // p will still be multiplied in, so the result goes at least as far as p.
        if (p.exponent > kDecided || p.exponent < -kDecided) return settled();
    }
    if (r.exponent > kDecided || r.exponent < -kDecided) return settled();

    Ext result;
    if (negativeExponent) {
        result = __builtin_scalbnl(1 / r.mantissa, static_cast<int>(-r.exponent));
    } else {
        result = __builtin_scalbnl(r.mantissa, static_cast<int>(r.exponent));
    }
    if (!IsFinite(result)) RaiseOverflow();
    return negativeResult ? -result : result;
}

Ext GeneralPower(Ext b, Ext y) {
    if (b == 0) return b;
    const Ext t = Mul(Mul(y, Mul(kLn2, Log2(b))), kLog2E);
    return Pow2(t);
}

}  // namespace ferrolin::detail
