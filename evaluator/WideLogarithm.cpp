// SPDX-License-Identifier: GPL-3.0-or-later
#include "evaluator/WideLogarithm.h"

#include <array>
#include <cstddef>
#include <cstdint>

#include "evaluator/QuadPrecision.h"
#include "evaluator/WideArithmetic.h"

namespace ferrolin::detail {

namespace {

// A value held as hi + lo, lo far below hi's last bit.
struct Wide {
    Ext hi;
    Ext lo;
    Ext bound;  // how far hi + lo may lie from the true value
};

// ln 2 as a 48-bit head, so k * head is exact for every binary exponent k, and a tail.
constexpr Ext kLn2Head = 0xB17217F7D1CF0000P-64L;
constexpr Ext kLn2Tail = 0xF35793C7673007E6P-113L;
// 1/ln 10 = log10(e), head and tail.
constexpr Ext kLog10eHead = 0xDE5BD8A937287195P-65L;
constexpr Ext kLog10eTail = 0xD56EAABEB4CF70C9P-131L;

// 1/ln 2 = log2(e), head and tail.
constexpr Ext kLog2eHead = 0xB8AA3B295C17F0BCP-63L;
constexpr Ext kLog2eTail = -0x82F0025F2DC582EEP-128L;

// 1/3, 1/5, ... 1/27.
constexpr std::array<Ext, 13> kSeries = [] {
    std::array<Ext, 13> c{};
    for (std::size_t j = 0; j < c.size(); ++j) c[j] = 1.0L / static_cast<Ext>(2 * j + 3);
    return c;
}();

// x = m 2^k with m in [1/2, 1), as frexpl splits it; read from the bits for a normal x, which
// saves frexpl's call.
Ext SplitExponent(Ext x, int& k) {
    std::uint16_t signAndExponent;
    __builtin_memcpy(&signAndExponent, reinterpret_cast<const unsigned char*>(&x) + 8, 2);
    const int biased = signAndExponent & 0x7FFF;
    if (biased == 0 || biased == 0x7FFF) return __builtin_frexpl(x, &k);
    k = biased - 16382;
    signAndExponent = static_cast<std::uint16_t>((signAndExponent & 0x8000) | 16382);
    __builtin_memcpy(reinterpret_cast<unsigned char*>(&x) + 8, &signAndExponent, 2);
    return x;
}

// ln x for x = 2^k * m, m in [sqrt(1/2), sqrt(2)): k ln 2 + 2 atanh(t) with t = (m - 1)/(m + 1),
// |t| < 0.172. The series 2t (1 + t^2/3 + t^4/5 + ...) is cut after t^26, below 2^-76 of 2t;
// 2t itself is carried in two parts, the rest (under 1% of it) in one.
Wide WideLn(Ext x) {
    int k;
    Ext m = SplitExponent(x, k);  // m in [1/2, 1)
    if (m < 0.70710678118654752440L) {
        m *= 2;
        --k;
    }
    const Ext u = m - 1;  // exact: m lies within a factor 2 of 1
    Ext v, vLow;
    TwoSum(m, 1, v, vLow);
    const Ext t = u / v;
    Ext p, pLow;
    TwoProduct(t, v, p, pLow);
    const Ext tLow = (((u - p) - pLow) - t * vLow) / v;

    const Ext s = t * t;
    Ext series = kSeries.back();
    for (std::size_t j = kSeries.size() - 1; j-- > 0;) series = series * s + kSeries[j];
    const Ext tail = 2 * t * s * series;

    const Ext kk = static_cast<Ext>(k);
    Ext hi, lo;
    TwoSum(kk * kLn2Head, 2 * t, hi, lo);  // both exact
    const Ext shift = kk * kLn2Tail, rest = 2 * tLow + tail;
    lo += shift + rest;
    // The tail's roundings (eight parts in 2^64 of it at most) and the series cut, the additions
    // into lo, and the tails of ln 2 and of t far below.
    const Ext bound = Abs(tail) * 0x1p-60L + (Abs(lo) + Abs(shift) + Abs(rest)) * 0x1p-62L + Abs(hi) * 0x1p-100L;
    return {hi, lo, bound};
}

}  // namespace

Ext NaturalLogarithm(Ext x) {
    const Wide ln = WideLn(x);
    Ext r;
    if (Settled(ln.hi, ln.lo, ln.bound, r)) [[likely]]
        return r;
    return InQuad(logq, x);
}

// ln x times a constant held as head + tail, its bound scaled alike.
Wide Scaled(const Wide& ln, Ext head, Ext tail) {
    Ext normal, normalLow;
    TwoSum(ln.hi, ln.lo, normal, normalLow);
    Ext hi, lo;
    TwoProduct(normal, head, hi, lo);
    lo += normal * tail + normalLow * head;
    return {hi, lo, ln.bound * head * 1.001L + Abs(hi) * 0x1p-100L};
}

Ext CommonLogarithm(Ext x) {
    const Wide w = Scaled(WideLn(x), kLog10eHead, kLog10eTail);
    Ext r;
    if (Settled(w.hi, w.lo, w.bound, r)) [[likely]]
        return r;
    return InQuad(log10q, x);
}

Ext BinaryLogarithm(Ext x) {
    const Wide w = Scaled(WideLn(x), kLog2eHead, kLog2eTail);
    Ext r;
    if (Settled(w.hi, w.lo, w.bound, r)) [[likely]]
        return r;
    return InQuad(log2q, x);
}

}  // namespace ferrolin::detail
