// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Exact sums and products of two 80-bit numbers (Knuth's two-sum, Dekker's product), for the
// functions that carry their result in two parts before the one rounding.
#include "evaluator/Arithmetic.h"

namespace ferrolin::detail {

// a + b = s + e exactly.
inline void TwoSum(Ext a, Ext b, Ext& s, Ext& e) {
    s = a + b;
    const Ext bb = s - a;
    e = (a - (s - bb)) + (b - bb);
}

// a * b = p + e exactly (each factor split into two 32-bit halves).
inline void TwoProduct(Ext a, Ext b, Ext& p, Ext& e) {
    constexpr Ext kSplitter = 0x1p32L + 1;
    const auto split = [](Ext v, Ext& high, Ext& low) {
        const Ext t = kSplitter * v;
        high = t - (t - v);
        low = v - high;
    };
    Ext ah, al, bh, bl;
    split(a, ah, al);
    split(b, bh, bl);
    p = a * b;
    e = ((ah * bh - p) + ah * bl + al * bh) + al * bl;
}

// hi + lo rounded once, when every value within `bound` of it rounds the same way: rounding is
// monotonic, so the two ends of the interval decide.
inline bool Settled(Ext hi, Ext lo, Ext bound, Ext& r) {
    r = hi + lo;
    return hi + (lo + bound) == r && hi + (lo - bound) == r;
}

}  // namespace ferrolin::detail
