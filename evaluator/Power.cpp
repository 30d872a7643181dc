#include "evaluator/Power.h"

#include <cmath>
#include <bit>
#include <cstdint>
#include <cstring>

#include "evaluator/QuadPrecision.h"
#include "evaluator/WidePower.h"

namespace ferrolin::detail {

namespace {

// The 64-bit significand of a finite b, integer bit included.
std::uint64_t Significand(Ext b) {
    std::uint64_t bits;
    std::memcpy(&bits, &b, sizeof bits);
    return bits;
}

// b^m by squaring and multiplying in the format, kept only when it is as good as the true
// value rounded: no step rounded at all (the processor's precision flag stays clear), or a
// single step did (m <= 2). Most powers typed into a calculator are of this kind, and this is
// several times cheaper than powq. `rounded` tells whether any step rounded: only an exact power
// may be inverted, or b^-2 would round twice.
bool ExactPower(Ext b, std::uint64_t m, Ext& r, bool& rounded) {
#if defined(__x86_64__) || defined(__i386__)
    // b passes through the instruction, so no multiplication can be moved above it.
    __asm__ volatile("fnclex" : "+t"(b));
    Ext p = b;
    const bool single = m <= 2;
    r = 1;
    for (;;) {
        if (m & 1) r *= p;
        m >>= 1;
        if (m == 0) break;
        p *= p;
    }
    std::uint16_t status;
    __asm__ volatile("fnstsw %0" : "=a"(status) : "t"(r));
    constexpr std::uint16_t kPrecision = 0x20;
    rounded = (status & kPrecision) != 0;
    return (single || !rounded) && IsFinite(r) && r != 0;
#else
    (void)b, (void)m, (void)r;
    rounded = true;
    return false;
#endif
}

// False when b^m (m > 2) cannot be exact, so ExactPower would fail: with the odd part of b's
// significand n bits long, that of b^m is at least (n - 1) m + 1 bits long, more than 64.
bool MayBeExact(Ext b, std::uint64_t m) {
    if (m <= 2) return true;  // ExactPower keeps a single rounding
    const std::uint64_t significand = Significand(b);
    const auto oddBits = std::bit_width(significand >> std::countr_zero(significand));
    // m <= 2^32 here, so the product cannot wrap.
    return static_cast<std::uint64_t>(oddBits - 1) * m + 1 <= 64;
}

}  // namespace

// A power whose squarings would round goes to binary128's powq and is rounded once: squaring
// and multiplying in the format loses about a bit per squaring (up to 5.6e8 units in the last
// place at 32-bit exponents), and glibc's powl still misses by up to two units
// ((4.91e-8)^-3). Exponents of 2^63 and beyond are settled by their true value.

Ext IntegerPower(Ext b, Ext k, Status& s) {
    if (k == 0) return 1;  // for every b, NaN included
    if (b == 0 && k < 0) return FailDivisionByZero(s);
    Ext exact;
    bool rounded = true;
    if (IsFinite(b) && b != 0 && Abs(k) <= 0x1p32L) {
        const auto m = static_cast<std::uint64_t>(Abs(k));
        if (MayBeExact(b, m) && ExactPower(b, m, exact, rounded)) {
            if (k > 0) return exact;
            const Ext inverse = 1 / exact;
            if (!rounded && IsFinite(inverse) && inverse != 0) return inverse;  // the one rounding
        }
        if (k > 0 && m <= kWidePowerMaxExponent && WidePower(b, m, exact)) return exact;
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
