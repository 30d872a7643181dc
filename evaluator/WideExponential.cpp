// SPDX-License-Identifier: GPL-3.0-or-later
#include "evaluator/WideExponential.h"

#include <array>
#include <cstdint>

#include "evaluator/QuadPrecision.h"
#include "evaluator/WideArithmetic.h"

namespace ferrolin::detail {

namespace {

// ln 2 / 64 in three parts: two of 44 bits, so n times each is exact for |n| < 2^20, and the
// rest; what they leave out is below 2^-160.
constexpr Ext kStep1 = 0xB17217F7D1C00000P-70L;
constexpr Ext kStep2 = 0xF79ABC9E3B300000P-114L;
constexpr Ext kStep3 = 0x9803F2F6AF40F343P-158L;
constexpr Ext kStepsPerUnit = 0xB8AA3B295C17F0BCP-57L;  // 64 / ln 2

// 2^(j/64) for j = 0 .. 63, head and tail (mpmath at 800 bits, each part rounded to nearest).
struct Pair {
    Ext hi, lo;
};
constexpr std::array<Pair, 64> kPowerTable{{
    {0x8000000000000000P-63L, 0.0L},
    {0x8164D1F3BC030773P-63L, 0xF7CACA4F7A29BDE9P-128L},
    {0x82CD8698AC2BA1D7P-63L, 0xF8A91D6D19482FFDP-129L},
    {0x843A28C3ACDE4046P-63L, 0xD7C976509FE8AC10P-130L},
    {0x85AAC367CC487B15P-63L, -0xE8DA91CF7AACF938P-129L},
    {0x871F61969E8D1010P-63L, 0xE85C9F15ED4AA559P-129L},
    {0x88980E8092DA8527P-63L, 0xBBF1AED9318CEAC6P-128L},
    {0x8A14D575496EFD9AP-63L, 0x80CA1D92C3680C22P-131L},
    {0x8B95C1E3EA8BD6E7P-63L, -0x8373AF14EB586DFDP-132L},
    {0x8D1ADF5B7E5BA9E6P-63L, -0x967096D2E37CA594P-128L},
    {0x8EA4398B45CD53C0P-63L, 0xB70051321E0F5317P-129L},
    {0x9031DC431466B1DCP-63L, 0xEEB02950929D0FC5P-128L},
    {0x91C3D373AB11C336P-63L, 0xFD6D8E0AE5AC9D82P-131L},
    {0x935A2B2F13E6E92CP-63L, -0xB319AFC589B6C463P-129L},
    {0x94F4EFA8FEF70961P-63L, 0xBA2BEB4495477951P-129L},
    {0x96942D3720185A00P-63L, 0x91D536D07538458AP-128L},
    {0x9837F0518DB8A96FP-63L, 0x8D5A46305C85EDEDP-128L},
    {0x99E0459320B7FA65P-63L, -0xDE7BC9A65A501A8CP-130L},
    {0x9B8D39B9D54E5539P-63L, -0xBAAFD0BAB86781C2P-128L},
    {0x9D3ED9A72CFFB751P-63L, -0x86DACC3EBC5993D4P-129L},
    {0x9EF5326091A111AEP-63L, -0xBEDDC1EC288C045DP-128L},
    {0xA0B0510FB9714FC2P-63L, 0xC96E3CF6D87ECD4CP-130L},
    {0xA27043030C496819P-63L, -0xC90BF620FE6042B1P-128L},
    {0xA43515AE09E6809EP-63L, 0xD1DB4831781E1EECP-131L},
    {0xA5FED6A9B15138EAP-63L, 0xE5EBFB10B88380D9P-130L},
    {0xA7CD93B4E965356AP-63L, -0xC2749655F8C11AA2P-128L},
    {0xA9A15AB4EA7C0EF8P-63L, 0xA83C49D86A63F4E6P-128L},
    {0xAB7A39B5A93ED337P-63L, 0xCB004764EB3C00F3P-128L},
    {0xAD583EEA42A14AC6P-63L, 0x93015191EB345D89P-128L},
    {0xAF3B78AD690A4375P-63L, -0x8367BF8CD132BF35P-129L},
    {0xB123F581D2AC2590P-63L, -0xF05F902D25BD44E3P-128L},
    {0xB311C412A9112489P-63L, 0xFB3C5371E6294670P-129L},
    {0xB504F333F9DE6484P-63L, 0xB2FB1366EA957D3EP-128L},
    {0xB6FD91E328D17791P-63L, 0xE2CBE1BBAA834B3FP-132L},
    {0xB8FBAF4762FB9EE9P-63L, 0xDC3CBBC2B35B2D0DP-130L},
    {0xBAFF5AB2133E45FBP-63L, 0xE9AA33A48B270718P-128L},
    {0xBD08A39F580C36BFP-63L, -0xAEFDC09325E0A10CP-128L},
    {0xBF1799B67A731083P-63L, -0xBF517AA1A07A3D7BP-130L},
    {0xC12C4CCA66709456P-63L, 0xF88AFAB34A010F6BP-128L},
    {0xC346CCDA24976407P-63L, 0x83B21584A2E0E90AP-129L},
    {0xC5672A115506DADDP-63L, 0xF8AB432593767CDEP-129L},
    {0xC78D74C8ABB9B15DP-63L, -0xFB17471A24FF6207P-129L},
    {0xC9B9BD866E2F27A3P-63L, -0xFE3C0DABF5DD2D04P-128L},
    {0xCBEC14FEF2727C5DP-63L, -0xB6F8370BA1409231P-131L},
    {0xCE248C151F8480E4P-63L, -0xEE53E3835069C895P-130L},
    {0xD06333DAEF2B2595P-63L, -0xA4AE8E6A996CABF8P-129L},
    {0xD2A81D91F12AE45AP-63L, 0x912472BE1EF20143P-130L},
    {0xD4F35AABCFEDFA1FP-63L, 0xB243BDFF4C4C58B5P-128L},
    {0xD744FCCAD69D6AF4P-63L, 0xE69A2EE640B4FF78P-129L},
    {0xD99D15C278AFD7B6P-63L, -0xBC6109AE0F6A2A20P-134L},
    {0xDBFBB797DAF23755P-63L, 0xF610356A78A6A991P-129L},
    {0xDE60F4825E0E9124P-63L, -0x8BE174985EE65E9CP-129L},
    {0xE0CCDEEC2A94E111P-63L, 0xCB12A091BA667944P-132L},
    {0xE33F8972BE8A5A51P-63L, 0x9BFE90795980EECFP-131L},
    {0xE5B906E77C8348A8P-63L, 0xF2F47A5276DD8765P-130L},
    {0xE8396A503C4BDC68P-63L, 0xF22F21A158E18FBCP-128L},
    {0xEAC0C6E7DD24392FP-63L, -0xBF4A29323E46AC15P-129L},
    {0xED4F301ED9942B84P-63L, 0xC01A5B6D4C97F624P-128L},
    {0xEFE4B99BDCDAF5CBP-63L, 0x8CAC39ED291B7226P-128L},
    {0xF281773C59FFB13AP-63L, -0xBB3FAB19B85C2DA7P-130L},
    {0xF5257D152486CC2CP-63L, 0xF73A18F5DB301F87P-128L},
    {0xF7D0DF730AD13BB9P-63L, -0xB795B494F8248A8BP-134L},
    {0xFA83B2DB722A033AP-63L, 0xF84B762862BAFF99P-128L},
    {0xFD3E0C0CF486C175P-63L, -0xF5818B4D9C3E23FAP-128L},
}};

// e^r - 1 - r - r^2/2 for |r| <= ln 2 / 128 is r^3 (1/6 + r (1/24 + ...)); the terms left out
// are below 2^-75 of the whole.
constexpr Ext kSeries[] = {1.0L / 6, 1.0L / 24, 1.0L / 120, 1.0L / 720, 1.0L / 5040, 1.0L / 40320};

}  // namespace

Ext Exponential(Ext x) {
    if (x > 11400) return __builtin_infl();
    if (x < -11354) return x < -11500 ? 0 : InQuad(expq, x);  // denormal results, or 0
    const Ext n = __builtin_rintl(x * kStepsPerUnit);
    // r = x - n ln2/64 as r + rLow: the first step is exact (x lies within a factor two of
    // n * kStep1), the second exact by two-sum, the third far below.
    const Ext a = x - n * kStep1;
    Ext r, e;
    TwoSum(a, -(n * kStep2), r, e);
    const Ext rLow = e - n * kStep3;

    // e^(r + rLow) - 1 = r + q
    Ext series = kSeries[5];
    for (int i = 4; i >= 0; --i) series = series * r + kSeries[i];
    const Ext r2 = r * r;
    const Ext q = r2 * 0.5L + r2 * r * series + rLow * (1 + r);

    const auto steps = TruncatedFromBits(n);
    const std::int64_t j = steps & 63;  // n = 64 k + j, j in 0..63
    const int k = static_cast<int>((steps - j) / 64);
    const Pair t = kPowerTable[static_cast<std::size_t>(j)];
    // 2^(j/64) (1 + r + q)
    Ext p, pLow;
    TwoProduct(t.hi, r, p, pLow);
    Ext hi, lo;
    TwoSum(t.hi, p, hi, lo);
    lo += pLow + t.hi * q + t.lo * (1 + r + q);
    Ext result;
    if (!Settled(hi, lo, Abs(hi) * 0x1p-72L, result)) [[unlikely]]
        return InQuad(expq, x);
    // Exact: the result is a normal number or beyond. 2^k itself, where it is a normal number,
    // is cheaper to build than ldexpl's call.
    if (k >= -16382 && k <= 16383) {
        const std::uint64_t significand = std::uint64_t{1} << 63;
        const auto exponent = static_cast<std::uint16_t>(k + 16383);
        Ext scale = 0;
        __builtin_memcpy(&scale, &significand, 8);
        __builtin_memcpy(reinterpret_cast<unsigned char*>(&scale) + 8, &exponent, 2);
        return result * scale;
    }
    return __builtin_ldexpl(result, k);
}

}  // namespace ferrolin::detail
