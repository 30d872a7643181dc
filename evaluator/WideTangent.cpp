#include "evaluator/WideTangent.h"

#include <array>
#include <cstdint>

#include "evaluator/QuadPrecision.h"
#include "evaluator/WideArithmetic.h"

namespace ferrolin::detail {

namespace {

// pi/2 in four parts: three of 44 bits, so k times each is exact for |k| < 2^20, and the rest;
// what they leave out is below 2^-196.
constexpr Ext kHalfPi1 = 0xC90FDAA221600000P-63L;
constexpr Ext kHalfPi2 = 0x8C234C4C66200000P-107L;
constexpr Ext kHalfPi3 = 0x8B80DC1CD1200000P-151L;
constexpr Ext kHalfPi4 = 0x9024E088A67CC740P-195L;
constexpr Ext kTwoOverPi = 0xA2F9836E4E44152AP-64L;

// tan(j/64) for j = 0 .. 51, head and tail (mpmath at 800 bits, each part rounded to nearest).
struct Pair {
    Ext hi, lo;
};
constexpr std::array<Pair, 52> kTanTable{{
    {0.0L, 0.0L},
    {0x8002AABBBC2A4571P-69L, -0x9413F5171F22FB90P-135L},
    {0x800AABBBD76042BFP-68L, -0xDD36817F679FD773P-133L},
    {0xC024081B7222913EP-68L, -0xF43DE734064CD75DP-133L},
    {0x802ABBC2A6F80419P-67L, 0x93BE639057B0C681P-132L},
    {0xA053898BB01D4BC7P-67L, -0xF8C3708068EB0731P-132L},
    {0xC09082100CE9CBCAP-67L, 0xF795058F4D8F85ABP-132L},
    {0xE0E5C42573E71737P-67L, 0xC30548F3993C2AC7P-136L},
    {0x80ABBD78A88D2702P-66L, 0xB3EB70E5A9FE69FBP-132L},
    {0x90F4F00BA8ECDF9CP-66L, 0xD1647A324B7E7267P-132L},
    {0xA1509EFBDDCB3CD0P-66L, -0xCA46F40D6037A71EP-132L},
    {0xB1C0F90010E83E6DP-66L, -0xC1DC73CFB0C4D0DEP-131L},
    {0xC2483788992B4048P-66L, 0xEFCD2F809C28C589P-132L},
    {0xD2E89FFE3BB7AB71P-66L, 0x8C151D1C6B4041FAP-132L},
    {0xE3A4850E8F0969D3P-66L, -0xFC6DCB25AFE0FAE6P-136L},
    {0xF47E480781BB548DP-66L, 0xE567238050640CA6P-133L},
    {0x82BC2D21E262AF32P-65L, -0xD7FCEED347AE85E0P-131L},
    {0x8B4A9F54FD92B842P-65L, -0xA7E06441387C3D18P-130L},
    {0x93EBC5A05BB823E7P-65L, 0x8EF06F99AEAE832CP-131L},
    {0x9CA0F56CBD99468DP-65L, -0xDBDCCF8E70A62E01P-130L},
    {0xA56B8F6A8E71C48EP-65L, 0xEF5374002D3ABE16P-130L},
    {0xAE4D0082180A5676P-65L, -0xEBBAE67090A20013P-131L},
    {0xB746C2D3249F04FEP-65L, 0xB8AD43A6E422F0FDP-131L},
    {0xC05A5EC59DEEC857P-65L, -0xBFEC37B5E5799862P-130L},
    {0xC9896C2CDFC57E21P-65L, 0xC4429057CFF86B62P-130L},
    {0xD2D5937FA01F67ABP-65L, 0xE851C13702C9EE7FP-130L},
    {0xDC408F26804E1768P-65L, 0xFCDB9B02B292FBA9P-131L},
    {0xE5CC2CE39204C66EP-65L, -0xFE2A015EFDC4A114P-131L},
    {0xEF7A4F5559BD0A3DP-65L, -0xDCE1766AF6130D93P-130L},
    {0xF94CEF981E75D737P-65L, -0xB694AEFA154B06E1P-131L},
    {0x81A30F845342E51CP-64L, 0xB756ED97456EC6E0P-129L},
    {0x86B40495EDB26CDEP-64L, -0xADC4299504D23F24P-130L},
    {0x8BDA7ADF9A3A5219P-64L, -0x869B7F877DBBB337P-129L},
    {0x9117A57B1E566960P-64L, -0xDD71EAA150DDF142P-135L},
    {0x966CC7F5055C40E0P-64L, -0xFFB3CC6AA355F835P-129L},
    {0x9BDB37A00C746EE7P-64L, 0xCD98C35E7E3B4663P-129L},
    {0xA1645D074A9BCEE8P-64L, -0xBE9BA3CAB4DE8251P-131L},
    {0xA709B582825AF630P-64L, 0xAC7B988899DA52AAP-129L},
    {0xACCCD4F07A894614P-64L, 0xAFB35E3A2BCB6468P-132L},
    {0xB2AF679BBB7784B0P-64L, -0xCAF97FDD6C85D369P-132L},
    {0xB8B3344EA0F77C17P-64L, 0xC00C6684B52F2CD0P-129L},
    {0xBEDA1E9C5B165291P-64L, 0xE9E398ED09F8B19FP-130L},
    {0xC52629653AD3BA9BP-64L, -0xC8CA0AD94F731CD6P-130L},
    {0xCB99799D8A3090E1P-64L, 0xD4507FD4379DE4FBP-129L},
    {0xD236595F35058ED6P-64L, 0xB36269C41A4A9148P-129L},
    {0xD8FF3B4FB8AA7133P-64L, -0xAB5404CD706021ADP-129L},
    {0xDFF6BE65335A4B1AP-64L, 0x8DF353649143BD95P-129L},
    {0xE71FB2170AD7ACCEP-64L, 0xC14C35CE5385C472P-129L},
    {0xEE7D1B0887775F06P-64L, 0xC266BB600B78DC68P-131L},
    {0xF612383DFB343B19P-64L, 0xDB47EB747683F105P-129L},
    {0xFDE288EFAC8BFA9DP-64L, -0x886110E87CBBBB6DP-130L},
    {0x82F8E9886B940CB2P-63L, -0xDDD80AF7668ED0BFP-129L},
}};

// tan d = d + d^3 (1/3 + d^2 (2/15 + d^2 (17/315 + ...))) for |d| <= 1/128: the terms left out
// are below 2^-90 of d.
constexpr Ext kSeries[] = {1.0L / 3, 2.0L / 15, 17.0L / 315, 62.0L / 2835, 1382.0L / 155925};

// x - k pi/2 as hi + lo, with |x - k pi/2| <= pi/4 (slightly more after rounding), and how far
// hi + lo may lie from it.
void Reduce(Ext x, Ext k, Ext& hi, Ext& lo, Ext& error) {
    const Ext a = x - k * kHalfPi1;  // exact: x lies within a factor two of k * kHalfPi1
    Ext s1, e1, s2, e2;
    TwoSum(a, -(k * kHalfPi2), s1, e1);
    TwoSum(s1, -(k * kHalfPi3), s2, e2);
    const Ext last = k * kHalfPi4;
    const Ext low = (e1 + e2) - last;
    TwoSum(s2, low, hi, lo);
    error = (Abs(e1) + Abs(e2) + Abs(last)) * 0x1p-62L + Abs(k) * 0x1p-196L;
}

}  // namespace

Ext Tangent(Ext x) {
    if (x == 0) return x;  // keeps the sign of zero
    if (!(Abs(x) < 0x1p20L)) return InQuad(tanq, x);  // NaN and infinities too
    const Ext k = __builtin_rintl(x * kTwoOverPi);
    Ext r = x, rLow = 0, reduction = 0;
    if (k != 0) Reduce(x, k, r, rLow, reduction);

    // tan of |r| = c + d, c = j/64 from the table: (T + tan d) / (1 - T tan d).
    const bool negative = r < 0;
    if (negative) {
        r = -r;
        rLow = -rLow;
    }
    const int j = static_cast<int>(r * 64 + 0.5L);
    const Ext d = r - static_cast<Ext>(j) / 64;  // exact
    const Ext d2 = d * d;
    Ext series = kSeries[4];
    for (int i = 3; i >= 0; --i) series = series * d2 + kSeries[i];
    const Ext tanLow = rLow + d * d2 * series;  // tan d = d + tanLow

    Ext hi = d, lo = tanLow;
    if (j > 0) {
        const Pair t = kTanTable[static_cast<std::size_t>(j)];
        Ext num, numLow;
        TwoSum(t.hi, d, num, numLow);
        TwoSum(num, numLow + (t.lo + tanLow), num, numLow);  // tan d's tail is far above num's last bit
        Ext product, productLow;
        TwoProduct(t.hi, d, product, productLow);
        productLow += t.hi * tanLow + t.lo * d;
        Ext den, denLow;
        TwoSum(1, -product, den, denLow);
        TwoSum(den, denLow - productLow, den, denLow);  // so that dividing by den alone is close enough
        Ext m, mLow;
        hi = num / den;
        TwoProduct(hi, den, m, mLow);
        lo = (((num - m) - mLow) + numLow - hi * denLow) / den;
    }
    TwoSum(hi, lo, hi, lo);
    if (negative) {
        hi = -hi;
        lo = -lo;
    }
    // The pair's own error (the series' roundings, a few parts in 2^64 of tan d, which is at
    // most the whole), then the reduction's error times the slope, 1 + tan^2.
    Ext bound = Abs(hi) * 0x1p-74L;
    if (static_cast<std::int64_t>(k) & 1) {  // tan(r + pi/2) = -1/tan r
        const Ext inverse = 1 / hi;
        Ext u, uLow;
        TwoProduct(inverse, hi, u, uLow);
        lo = -(((1 - u) - uLow - inverse * lo) / hi);
        hi = -inverse;
        bound = Abs(hi) * 0x1p-73L;
    }
    bound += (1 + hi * hi) * reduction;
    Ext result;
    if (Settled(hi, lo, bound, result)) [[likely]]
        return result;
    return InQuad(tanq, x);
}

}  // namespace ferrolin::detail
