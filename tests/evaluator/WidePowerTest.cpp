// SPDX-License-Identifier: GPL-3.0-or-later
// The integer fast path of b^m against libquadmath's powq rounded once, the route it stands in
// for: they must agree to the bit wherever the fast path answers, and it must answer nearly
// everywhere (it declines only next to halfway points and outside the normal range).
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <random>

#include "evaluator/QuadPrecision.h"
#include "evaluator/WidePower.h"

namespace ferrolin::detail {
namespace {

TEST(WidePower, AgreesWithBinary128PowerRoundedOnce) {
    std::mt19937_64 random(24);
    std::uniform_int_distribution<int> binade(-20, 20);
    const std::uint64_t exponents[] = {1, 2, 3, 5, 7, 10, 17, 64, 100, 255, 1000, 4097, 65535, 65536};
    int mismatches = 0, answered = 0, tried = 0;
    for (std::uint64_t m : exponents) {
        for (int i = 0; i < 4000; ++i) {
            // Full 64-bit significands, both signs, and short decimal-looking bases like 1.07.
            Ext b = std::ldexp(static_cast<Ext>(random() | (std::uint64_t{1} << 63)), -63);
            if (i % 4 == 1) b = 1 + static_cast<Ext>(random() % 1000) / 100;
            if (m > 100) b = 1 + (b - 1) / static_cast<Ext>(m);  // keeps b^m inside the format
            else b = std::ldexp(b, binade(random));
            if (i % 2) b = -b;
            ++tried;
            Ext fast;
            if (!WidePower(b, m, fast)) continue;
            ++answered;
            const Ext expected = Rounded(powq(ToQuad(b), static_cast<Quad>(m)));
            if (fast != expected && mismatches++ < 5)
                ADD_FAILURE() << std::hexfloat << b << "^" << m << ": " << fast << ", binary128 gives " << expected;
        }
    }
    EXPECT_EQ(mismatches, 0);
    EXPECT_GT(answered, tried * 9 / 10);
}

TEST(WidePower, DeclinesResultsOutsideTheNormalRange) {
    Ext r;
    EXPECT_FALSE(WidePower(1.5L, 30000, r));     // overflows
    EXPECT_FALSE(WidePower(0.75L, 40000, r));    // below the normal range
    EXPECT_FALSE(WidePower(0x1p-16440L, 3, r));  // a subnormal base
    EXPECT_TRUE(WidePower(1.07L, 10, r));
}

}  // namespace
}  // namespace ferrolin::detail
