// SPDX-License-Identifier: GPL-3.0-or-later
#include "evaluator/WidePower.h"

#include <cstring>

namespace ferrolin::detail {

namespace {

__extension__ using U128 = unsigned __int128;

// A positive value u * 2^shift with u's top bit (bit 127) set; u is at most 8 units below the
// true product it stands for (each multiplication drops the lowest partial products).
struct Wide {
    U128 u;
    std::int64_t shift;
};

Wide Multiply(const Wide& a, const Wide& b) {
    const std::uint64_t ah = static_cast<std::uint64_t>(a.u >> 64), al = static_cast<std::uint64_t>(a.u);
    const std::uint64_t bh = static_cast<std::uint64_t>(b.u >> 64), bl = static_cast<std::uint64_t>(b.u);
    U128 top = static_cast<U128>(ah) * bh;
    top += (static_cast<U128>(ah) * bl) >> 64;
    top += (static_cast<U128>(al) * bh) >> 64;
    Wide p{top, a.shift + b.shift + 128};
    if ((p.u >> 127) == 0) {
        p.u <<= 1;
        --p.shift;
    }
    return p;
}

// Distance from a halfway point, in units of 2^-128 of the significand, below which the one
// rounding is left to powq: it covers this code's error (under 2^22 units at the largest
// exponent) and powq's own (a few units of 2^-113, under 2^18 units) many times over.
constexpr std::uint64_t kMargin = std::uint64_t{1} << 32;

}  // namespace

bool WidePower(Ext b, std::uint64_t m, Ext& r) {
    unsigned char bytes[sizeof(Ext)] = {};
    std::memcpy(bytes, &b, 10);
    std::uint64_t significand;
    std::uint16_t signAndExponent;
    std::memcpy(&significand, bytes, 8);
    std::memcpy(&signAndExponent, bytes + 8, 2);
    const int biased = signAndExponent & 0x7FFF;
    if (biased == 0 || biased == 0x7FFF || (significand >> 63) == 0) return false;
    const bool negative = (signAndExponent & 0x8000) != 0 && (m & 1) != 0;

    Wide p{static_cast<U128>(significand) << 64, biased - 16383 - 127};
    Wide acc{};
    bool started = false;
    for (;;) {
        if (m & 1) {
            acc = started ? Multiply(acc, p) : p;
            started = true;
        }
        m >>= 1;
        if (m == 0) break;
        p = Multiply(p, p);
    }

    std::uint64_t kept = static_cast<std::uint64_t>(acc.u >> 64);
    const std::uint64_t rest = static_cast<std::uint64_t>(acc.u);
    constexpr std::uint64_t kHalf = std::uint64_t{1} << 63;
    std::int64_t exponent = acc.shift + 127;  // of the top bit
    if (rest > kHalf - kMargin && rest < kHalf + kMargin) return false;
    if (rest > kHalf) {
        if (++kept == 0) {
            kept = kHalf;
            ++exponent;
        }
    }
    if (exponent < -16382 || exponent > 16383) return false;

    const std::uint16_t top = static_cast<std::uint16_t>((exponent + 16383) | (negative ? 0x8000 : 0));
    std::memcpy(bytes, &kept, 8);
    std::memcpy(bytes + 8, &top, 2);
    std::memcpy(&r, bytes, 10);
    return true;
}

}  // namespace ferrolin::detail
