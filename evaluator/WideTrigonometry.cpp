// SPDX-License-Identifier: GPL-3.0-or-later
#include "evaluator/WideTrigonometry.h"

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

// sin(j/64) and cos(j/64), each as head and tail, for j = 0 .. 51 (mpmath at 800 bits).
struct SineCosine {
    Ext sinHi, sinLo, cosHi, cosLo;
};
constexpr std::array<SineCosine, 52> kSineCosineTable{{
    {0.0L, 0.0L, 0x8000000000000000P-63L, 0.0L},
    {0xFFFD55577776A76BP-70L, -0xB639A9F077611ACFP-135L, 0xFFF8000AAAA4FA51P-64L, 0x8A280E97BCD59C8AP-129L},
    {0xFFF5557777437465P-69L, 0xFE41376D47919579P-134L, 0xFFE000AAA93E9589P-64L, 0xAEDB49D92928DF73P-129L},
    {0xBFEE008197DD454DP-68L, -0xDEFA374CBCCEE2A3P-134L, 0xFFB8035FEFCCF675P-64L, -0xED58192357AF9F27P-130L},
    {0xFFD557776A76D5A6P-68L, -0xB6993425B4AD4D41P-134L, 0xFF800AAA4FA69A65P-64L, 0xE1EE6509BC42B71FP-133L},
    {0x9FD658968BAAD4DCP-67L, -0xC8A94CA345B0E6DFP-133L, 0xFF381A094F7B771AP-64L, 0xBCC83690697C0C57P-133L},
    {0xBFB808192A8720D8P-67L, -0xF4B9FFEBF97BFE07P-134L, 0xFEE035FBF35CDA63P-64L, 0x815A9AFC6DACA37FP-130L},
    {0xDF8DBC2B41C8EBD2P-67L, 0xC20EF52663E52B02P-133L, 0xFE78640074CD88F5P-64L, 0xF5E1B461AB08D957P-131L},
    {0xFF5577743771AE50P-67L, 0xD350CE43F13F0B4BP-133L, 0xFE00AA93EADE9B6DP-64L, 0xF35094EFB78C672BP-131L},
    {0x8F869EBD7E757522P-66L, 0xD5ECD12CB6945E90P-134L, 0xFD791131E25E97ABP-64L, 0xA98F662EC4BA5983P-129L},
    {0x9F598962EB365A90P-66L, -0xA665264D1BC1535EP-131L, 0xFCE1A053E621438BP-64L, 0xDAC18EDD188B7E15P-129L},
    {0xAF227E7D09379521P-66L, 0xEF3E701D928A4A96P-131L, 0xFC3A6170F767AC73P-64L, 0xBAC7B3353A873C3BP-129L},
    {0xBEE0817DD795A8ADP-66L, 0xB50E23C97C2B12C4P-131L, 0xFB835EFCF670DD2DP-64L, -0xC80C36DCB408AF61P-131L},
    {0xCE9296867618919CP-66L, 0x87B016226FA7D28AP-131L, 0xFABCA467FB3CB8F2P-64L, -0xBE583F89C5731487P-130L},
    {0xDE37C276E30CCB38P-66L, 0xD2B53D865582E452P-132L, 0xF9E63E1D9E8B6F6FP-64L, 0xB8A5AEB96D7B6704P-130L},
    {0xEDCF0AFDAD2E7D9AP-66L, 0xEF9499C81F0D9651P-132L, 0xF90039843324F9B9P-64L, 0x8082D833096D97DAP-129L},
    {0xFD5776A798ABB5D4P-66L, 0x9DEBDC7351E8B1AFP-131L, 0xF80AA4FBEF750BA8P-64L, -0xF859868D40D60EB8P-129L},
    {0x866806779B21ACC1P-65L, -0xC28324F8AD1EEEB9P-130L, 0xF7058FDE0788DFC8P-64L, 0xB71FD10F13C9E84AP-133L},
    {0x8E1BEB2635C3B28CP-65L, 0xEDFC1B9FE8FFC637P-133L, 0xF5F10A7BB77D3DFAP-64L, 0xC1DA8B5784278328P-132L},
    {0x95C6EE21F5A4F915P-65L, 0xA7133E5B00D466E7P-130L, 0xF4CD261D3E6C15BBP-64L, 0xDA721D618C34AB00P-130L},
    {0x9D6894BB4E9EC004P-65L, 0xF554121E0E69C511P-133L, 0xF399F500C9E9FD38P-64L, -0xA2CD51B384A8EF12P-129L},
    {0xA50064D879E90304P-65L, 0xEE9AEC23AB20B082P-130L, 0xF2578A595224DD2EP-64L, 0xD7F45D65F3398CEAP-129L},
    {0xAC8DE4FD17ACB97CP-65L, 0xE97587FC195C8A44P-130L, 0xF105FA4D66B607A6P-64L, 0xFA89C084E4A40887P-129L},
    {0xB4109C51C6BFB44FP-65L, -0x9202444AACE28B31P-132L, 0xEFA559F5EC3AEC3AP-64L, 0x9D6066324F145A84P-129L},
    {0xBB8812ABB2109E91P-65L, 0xA519D68926379761P-130L, 0xEE35BF5CCAC89053P-64L, -0xC9B889232CB16E07P-130L},
    {0xC2F3D094134A4B15P-65L, -0xFC592814C7F06B68P-130L, 0xECB7417B8D4EE3FFP-64L, -0xF21516FE3156DC38P-130L},
    {0xCA535F4FAA36252CP-65L, 0xC7B065F02A102847P-130L, 0xEB29F839F201FD14P-64L, -0x8D90D2FB0DD2B0E2P-129L},
    {0xD1A648E628664F2EP-65L, 0xEF1C4AF313337712P-130L, 0xE98DFC6C6BE031E6P-64L, 0xDD3089CBDD18A75BP-132L},
    {0xD8EC182990B0B4A4P-65L, -0x90B2E67D464EB54EP-130L, 0xE7E367D2956CFB17P-64L, -0x92ABDC357CC65FF5P-129L},
    {0xE02458BD8A05191AP-65L, -0xCC540B02CBF333C8P-136L, 0xE62A551594B970A7P-64L, 0xE162BA83A981C908P-129L},
    {0xE74E971EA528F6D0P-65L, 0xDD7B494759FD810CP-131L, 0xE462DFC670D421ABP-64L, 0xF468564048A3C51BP-130L},
    {0xEE6A60A994E4D21BP-65L, -0xCE47A38099865318P-130L, 0xE28D245C58BAEF72P-64L, 0x89788CAAF000F10EP-130L},
    {0xF57743A2582F7F44P-65L, -0x9B43C9B027C8499AP-130L, 0xE0A94032DBEA7CEEP-64L, -0x8444C4BA0A0A4CF5P-129L},
    {0xFC74CF3B55E4B8CFP-65L, -0xD5EA1A5FEB97B4DFP-131L, 0xDEB7518814A7A932P-64L, -0x8866EE7DEC657C76P-129L},
    {0x81B149CE34CAA5A5P-64L, -0xCD78397B01594AACP-131L, 0xDCB7777AC4207051P-64L, 0xD1E63C7D6F019D39P-129L},
    {0x852010F4F0800521P-64L, 0xDE2F6375851D4F42P-130L, 0xDAA9D20860827064P-64L, -0x86B8FD85EA859B34P-134L},
    {0x88868625B4E1DBB2P-64L, 0xC4CC404CC08949C8P-130L, 0xD88E820B1526311EP-64L, -0xAA78410FCF9596B2P-130L},
    {0x8BE472F9776D809BP-64L, -0xD477E8EDBC29C299P-132L, 0xD665A937B4EF2B1FP-64L, 0xDAA375ADB3114883P-129L},
    {0x8F39A191B2BA6123P-64L, -0xB80B617C54B80058P-129L, 0xD42F6A1B9F0168CEP-64L, -0xFCE3D09C3726CFB2P-132L},
    {0x9285DC9BC45DD9EAP-64L, 0xF40915EF33967106P-130L, 0xD1EBE81A95EE752EP-64L, 0x9144D79A65ADD246P-129L},
    {0x95C8EF544210EC0CP-64L, -0xDC76C85AABEC2F5DP-129L, 0xCF9B476C897C25C6P-64L, -0x80315E45819EE2A1P-129L},
    {0x9902A58A45E27BEDP-64L, 0xD0825684D6CEBDAAP-129L, 0xCD3DAD1B5328A2E4P-64L, 0xB3F327E9EA211034P-129L},
    {0x9C32CBA2B14156EFP-64L, 0xA4AD89F0AF32394DP-133L, 0xCAD33F00658FE5E8P-64L, 0x812EF03CE99A839BP-130L},
    {0x9F592E9B66A9CF90P-64L, 0xD478F54782033309P-129L, 0xC85C23C26ED7B6F0P-64L, 0xA77AA3623C94B411P-131L},
    {0xA2759C0E79C35582P-64L, 0xA4F8656ABEA80B83P-129L, 0xC5D882D2EE48030CP-64L, 0xF80FA51D303C6901P-129L},
    {0xA587E23555BB0808P-64L, 0xDA05738CC59BA526P-129L, 0xC348846BBD363134P-64L, -0xE003A802C45D8FCCP-129L},
    {0xA88FCFEBD9A8DD48P-64L, -0xE861C48830EDE337P-131L, 0xC0AC518C8B6AE711P-64L, -0x8B90B8228DE69D4AP-129L},
    {0xAB8D34B36ACD9872P-64L, 0x8769A1F632EBF1D7P-131L, 0xBE0413F84F2A771CP-64L, 0xC2928D51197E9B44P-129L},
    {0xAE7FE0B5FC786B2EP-64L, -0xD323C52A1D7EB6EFP-129L, 0xBB4FF632A908F73FP-64L, -0xFAB9F18D1899B12CP-130L},
    {0xB167A4C90D63C424P-64L, 0x99EA9276F98477A8P-129L, 0xB890237D3BB3C285P-64L, -0x93D6BF58DFD280BEP-129L},
    {0xB44452709A597529P-64L, 0xB226ECA8694B3A22P-133L, 0xB5C4C7D4F7DAE916P-64L, -0xA70F266169CB6CE6P-129L},
    {0xB715BBE205EF06F2P-64L, -0xE530AFF5AA62DDB6P-129L, 0xB2EE0FEF5C65CF9AP-64L, 0xF92E3320E22D00ECP-132L},
}};

// sin d = d + d^3 (-1/6 + d^2 (1/120 + ...)) and cos d = 1 - d^2/2 + d^4 (1/24 + d^2 (-1/720 +
// ...)) for |d| <= 1/128: the terms left out are below 2^-80.
constexpr Ext kSineSeries[] = {-1.0L / 6, 1.0L / 120, -1.0L / 5040, 1.0L / 362880};
constexpr Ext kCosineSeries[] = {1.0L / 24, -1.0L / 720, 1.0L / 40320, -1.0L / 3628800};

// sin or cos of r + rLow, |r| <= pi/4 (a little more after rounding), as hi + lo: with c = j/64
// from the table and d = r - c, sin(c + d) = S cos d + C sin d and cos(c + d) = C cos d - S sin d.
void SineOrCosine(Ext r, Ext rLow, bool cosine, Ext& hi, Ext& lo) {
    const bool negative = r < 0;
    if (negative) {
        r = -r;
        rLow = -rLow;
    }
    const int j = static_cast<int>(TruncatedFromBits(r * 64 + 0.5L));
    const Ext d = r - static_cast<Ext>(j) / 64;  // exact
    const Ext d2 = d * d;
    Ext sinSeries = kSineSeries[3], cosSeries = kCosineSeries[3];
    for (int i = 2; i >= 0; --i) {
        sinSeries = sinSeries * d2 + kSineSeries[i];
        cosSeries = cosSeries * d2 + kCosineSeries[i];
    }
    const Ext sinLow = rLow + d * d2 * sinSeries;                 // sin d = d + sinLow
    const Ext cosLow = d2 * d2 * cosSeries - (d2 * 0.5L + d * rLow);  // cos d = 1 + cosLow
    const SineCosine t = kSineCosineTable[static_cast<std::size_t>(j)];
    Ext p, pLow, e;
    if (!cosine) {
        TwoProduct(t.cosHi, d, p, pLow);
        TwoSum(t.sinHi, p, hi, e);
        lo = e + pLow + (t.sinHi * cosLow + t.sinLo * (1 + cosLow) + t.cosHi * sinLow + t.cosLo * (d + sinLow));
    } else {
        TwoProduct(t.sinHi, d, p, pLow);
        TwoSum(t.cosHi, -p, hi, e);
        lo = e - pLow + (t.cosHi * cosLow + t.cosLo * (1 + cosLow) - t.sinHi * sinLow - t.sinLo * (d + sinLow));
    }
    TwoSum(hi, lo, hi, lo);
    if (negative && !cosine) {
        hi = -hi;
        lo = -lo;
    }
}

// sin(x) for quarter turns = 0, cos(x) for 1: sin(r + q pi/2) for the quadrant q of x + turns.
Ext SineOfQuarterTurns(Ext x, int turns, Quad (*fallback)(Quad)) {
    if (!(Abs(x) < 0x1p20L)) return InQuad(fallback, x);  // NaN and infinities too
    const Ext k = __builtin_rintl(x * kTwoOverPi);
    Ext r = x, rLow = 0, reduction = 0;
    if (k != 0) Reduce(x, k, r, rLow, reduction);
    const int quadrant = static_cast<int>((TruncatedFromBits(k) + turns) & 3);
    Ext hi, lo;
    SineOrCosine(r, rLow, quadrant & 1, hi, lo);
    if (quadrant >= 2) {
        hi = -hi;
        lo = -lo;
    }
    Ext result;
    if (Settled(hi, lo, Abs(hi) * 0x1p-72L + reduction, result)) [[likely]]
        return result;
    return InQuad(fallback, x);
}

// tan d = d + d^3 (1/3 + d^2 (2/15 + d^2 (17/315 + ...))) for |d| <= 1/128: the terms left out
// are below 2^-90 of d.
constexpr Ext kTangentSeries[] = {1.0L / 3, 2.0L / 15, 17.0L / 315, 62.0L / 2835, 1382.0L / 155925};

}  // namespace

Ext Sine(Ext x) { return x == 0 ? x : SineOfQuarterTurns(x, 0, sinq); }
Ext Cosine(Ext x) { return SineOfQuarterTurns(x, 1, cosq); }

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
    const int j = static_cast<int>(TruncatedFromBits(r * 64 + 0.5L));
    const Ext d = r - static_cast<Ext>(j) / 64;  // exact
    const Ext d2 = d * d;
    Ext series = kTangentSeries[4];
    for (int i = 3; i >= 0; --i) series = series * d2 + kTangentSeries[i];
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
    if (TruncatedFromBits(k) & 1) {  // tan(r + pi/2) = -1/tan r
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
