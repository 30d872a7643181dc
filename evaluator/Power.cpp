// SPDX-License-Identifier: GPL-3.0-or-later
#include "evaluator/Power.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "evaluator/QuadPrecision.h"
#include "evaluator/WidePower.h"

namespace ferrolin::detail {

namespace {

// A finite, non-zero b as odd * 2^shift, exactly.
struct OddForm {
    std::uint64_t odd;
    std::int64_t shift;
    bool negative;
};

OddForm Decompose(Ext b) {
    std::uint64_t significand;
    std::uint16_t signAndExponent;
    std::memcpy(&significand, &b, 8);
    std::memcpy(&signAndExponent, reinterpret_cast<const unsigned char*>(&b) + 8, 2);
    const int biased = signAndExponent & 0x7FFF;
    const int zeros = std::countr_zero(significand);
    // A subnormal's exponent field is 0 but its scale is that of field 1.
    const std::int64_t shift = std::int64_t{biased == 0 ? 1 : biased} - 16383 - 63 + zeros;
    return {significand >> zeros, shift, (signAndExponent & 0x8000) != 0};
}

// b^m (m >= 1) when the true power is itself an 80-bit number (finite, non-zero, nothing lost
// in the subnormal range): worked out on b's odd part in integers, so no step can round
// unnoticed and the processor's flags are never read. Most powers typed into a calculator are
// of this kind, and this is many times cheaper than powq.
bool ExactPower(Ext b, std::uint64_t m, Ext& r) {
    const OddForm f = Decompose(b);
    // The odd part of b^m is at least (n - 1) m + 1 bits long for an n-bit odd part of b
    // (m <= 2^32, so the product cannot wrap).
    if (static_cast<std::uint64_t>(std::bit_width(f.odd) - 1) * m + 1 > 64) return false;
    std::uint64_t odd = 1, p = f.odd;
    // Every square taken is a factor of the result, so an overflow means b^m has more than 64 bits.
    for (std::uint64_t n = m;;) {
        if ((n & 1) && __builtin_mul_overflow(odd, p, &odd)) return false;
        n >>= 1;
        if (n == 0) break;
        if (__builtin_mul_overflow(p, p, &p)) return false;
    }
    const std::int64_t low = f.shift * static_cast<std::int64_t>(m);  // the lowest bit's exponent
    const std::int64_t top = low + std::bit_width(odd) - 1;
    constexpr std::int64_t kMaxExponent = 16383, kMinNormal = -16382, kMinSubnormal = -16445;
    if (top > kMaxExponent || low < kMinSubnormal) return false;
    std::uint64_t significand;
    std::uint16_t signAndExponent;
    if (top >= kMinNormal) {
        significand = odd << (63 - (top - low));
        signAndExponent = static_cast<std::uint16_t>(top + 16383);
    } else {
        significand = odd << (low - kMinSubnormal);
        signAndExponent = 0;
    }
    if (f.negative && (m & 1)) signAndExponent |= 0x8000;
    unsigned char bytes[sizeof(Ext)] = {};
    std::memcpy(bytes, &significand, 8);
    std::memcpy(bytes + 8, &signAndExponent, 2);
    std::memcpy(&r, bytes, sizeof(Ext));
    return true;
}

}  // namespace

// A power that is not exact is rounded once from a wider value: the 128-bit integer power where
// that settles the last bit, else binary128's powq. Squaring and multiplying in the format
// would lose about a bit per squaring (up to 5.6e8 units in the last place at 32-bit
// exponents), and glibc's powl still misses by up to two units ((4.91e-8)^-3). Exponents of
// 2^63 and beyond are settled by their true value.

Ext IntegerPower(Ext b, Ext k, Status& s) {
    if (k == 0) return 1;  // for every b, NaN included
    if (b == 0 && k < 0) return FailDivisionByZero(s);
    Ext exact;
    if (IsFinite(b) && b != 0 && Abs(k) <= 0x1p32L) {
        const OddForm whole = Decompose(k);  // |k| = odd * 2^shift, shift >= 0
        const std::uint64_t m = whole.odd << whole.shift;
        if (ExactPower(b, m, exact)) {
            if (k > 0) return exact;
            const Ext inverse = 1 / exact;
            if (IsFinite(inverse) && inverse != 0) return inverse;  // the one rounding
        } else if (k == 2) {
            const Ext square = b * b;  // the true square rounded once
            if (IsFinite(square) && square != 0) return square;
        } else if (k > 0 && m <= kWidePowerMaxExponent && WidePower(b, m, exact)) {
            return exact;
        }
    }
    const Ext r = Rounded(powq(ToQuad(b), ToQuad(k)));
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
