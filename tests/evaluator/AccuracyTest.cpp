// SPDX-License-Identifier: GPL-3.0-or-later
// The functions against reference values to the last bit: the arguments where they used to
// miss most, the domain edges, and the ends of the range.
//
// Every reference is the true value rounded to the nearest 80-bit value, computed with mpmath
// 1.3.0 (python3-mpmath, Debian 12) at 400 or 600 bits, e.g. mp.exp(1000), mp.atanh(x) or
// mpf(3)**mpf('4931.5'), and rounded to a 64-bit significand (ties to even); the comment beside
// each gives its digits and, for the newer rows, the mpmath call. Arguments are exact binary
// numbers (a whole number below 2^64 times a power of two), so the reference depends on nothing
// but the function. A bound of 0 means correctly rounded.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "evaluator/support/EvalSupport.h"

namespace ferrolin::test {
namespace {

struct AccuracyCase {
    const char* input;
    long double expected;
    long double maxUlps;  // how far from the reference the result may lie
};

// Distance in units in the last place of the expected value (the quantum of the denormals below
// the normal range).
long double UlpsBetween(long double value, long double expected) {
    const int exponent = std::max(std::ilogb(expected), -16382);
    return std::fabs(value - expected) / std::ldexp(1.0L, exponent - 63);
}

const AccuracyCase kCases[] = {
    // exp, sinh and cosh, correctly rounded.
    {"exp(1)", 0xADF85458A2BB4A9BP-62L, 0},  // 2.71828182845904523536
    {"exp(-1)", 0xBC5AB1B16779BE35P-65L, 0},  // 0.367879441171442321596
    {"exp(100)", 0x9A4A54D8B8DFA566P+81L, 0},  // 2.68811714181613544841e+43
    {"exp(1000)", 0xCF391BCD76B9D6C0P+1379L, 0},  // 1.97007111401704699389e+434
    {"exp(-1000.5)", 0xBFD1FF221B495311P-1507L, 0},  // 3.07872469880488346418e-435
    {"exp(11356)", 0x97AE01B5ED4A38FCP+16320L, 0},  // 7.04914579998566243846e+4931
    {"exp(0.25)", 0xA45AF1E1F40C333BP-63L, 0},  // 1.28402541668774148407
    {"exp(-11000.75)", 0x9A9D3BB19EC4EE08P-15934L, 0},  // 2.72256465939494697481e-4778
    {"exp(2^(-40))", 0x8000000000800000P-63L, 0},  // 1.0000000000009094947
    {"exp(-12785203193618218073/2^50)", 0xAAD6C5B4863C5F56P-16446L, 0},  // 2.24366478524003872897e-4932; mp.exp
    {"exp(-11398)", 0x2P-16445L, 0},  // 8.15633897699385648665e-4951; mp.exp, a denormal
    {"sinh(100)", 0x9A4A54D8B8DFA566P+80L, 0},  // 1.34405857090806772421e+43
    {"sinh(1000)", 0xCF391BCD76B9D6C0P+1378L, 0},  // 9.85035557008523496944e+433
    {"sinh(-11356.5)", -0xFA13DBA329DD768DP+16319L, 0},  // -5.81103831035141637157e+4931
    {"sinh(0.25)", 0x815666CE84080F33P-65L, 0},  // 0.252612316808168307914
    {"sinh(2^(-30))", 0x8000000000000001P-93L, 0},  // 9.3132257461547851576e-10
    {"sinh(11357)", 0xCE2773666CC8CC68P+16320L, 0},  // 9.58078246712971282993e+4931
    {"cosh(100)", 0x9A4A54D8B8DFA566P+80L, 0},  // 1.34405857090806772421e+43
    {"cosh(-1000)", 0xCF391BCD76B9D6C0P+1378L, 0},  // 9.85035557008523496944e+433
    {"cosh(0.25)", 0x8405582E530A2F6EP-63L, 0},  // 1.03141309987957317616
    {"cosh(11357)", 0xCE2773666CC8CC68P+16320L, 0},  // 9.58078246712971282993e+4931
    {"cosh(2^(-20))", 0x8000000000400000P-63L, 0},  // 1.00000000000045474735
    // tanh, correctly rounded.
    {"tanh(0.5)", 0xEC9A9EBAB4579B29P-65L, 0},  // 0.462117157260009758502
    {"tanh(3)", 0xFEBBE888D057FF10P-64L, 0},  // 0.995054753686730451332
    {"tanh(-20.25)", -0xFFFFFFFFFFFFFFA1P-64L, 0},  // -0.999999999999999994846
    {"tanh(2^(-30))", 0xFFFFFFFFFFFFFFFBP-94L, 0},  // 9.31322574615478515356e-10
    {"tanh(0.125)", 0xFEACC95E25C1A7E0P-67L, 0},  // 0.124353001771596208055
    // Powers: general ones within one unit (glibc's powl); whole-number ones correctly rounded,
    // exponents of 2^63 and beyond included.
    {"3^4931.5", 0x976FD416EFAF0C56P+7753L, 1},  // 8.38431622704220911175e+2352
    {"2^0.5", 0xB504F333F9DE6484P-63L, 1},  // 1.4142135623730950488
    {"10^2.5", 0x9E1D276FD4BAC411P-55L, 1},  // 316.2277660168379332
    {"1.5^1000.25", 0x8A054FBD5AF775EAP+522L, 1},  // 1.36546908038831474054e+176
    {"7^(-300.5)", 0xA7B662ADE05F597DP-907L, 1},  // 1.11696348506137534151e-254
    {"0.75^(-20000.5)", 0xF891BDC7C3C998BAP+8237L, 1},  // 6.87387348031846934012e+2498
    {"2^(-16440.5)", 0x0000000000000017P-16445L, 1},  // 8.24814498487080459241e-4950
    {"(1+2^(-63))^(2^63)", 0xADF85458A2BB4A9AP-62L, 0},  // 2.71828182845904523521
    {"(1-2^(-64))^(2^64)", 0xBC5AB1B16779BE35P-65L, 0},  // 0.367879441171442321586
    {"(1+2^(-63))^(2^63*100)", 0x9A4A54D8B8DFA52AP+81L, 0},  // 2.68811714181613543384e+43
    {"3^41", 0xFD150E7B3DAFDC32P+1L, 0},  // 36472996377170786403.0
    {"1.25^(-1001)", 0xD7441C0DDA96870BP-386L, 0},  // 9.84185537728893741545e-98
    {"(-1.5)^1001", -0xBB12E0673F479451P+522L, 0},  // -1.85076089535926021884e+176
    // Whole exponents whose power rounds on the way: squaring and multiplying in the format
    // would drift by tens of units here.
    {"(1+2^(-20))^1000000", 0xA618319AA4319D89P-62L, 0},  // 2.59522667028138606862
    {"(1+3*2^(-30))^37", 0x800000DE0000BB50P-63L, 0},  // 1.00000010337681098128
    {"1.5^41", 0xFD150E7B3DAFDC32P-40L, 0},  // 16585998.4814100182134
    {"1.5^(-41)", 0x8179C704BD3C576AP-87L, 0},  // 6.0291817892110854616e-8
    {"(1-2^(-12))^(-5000)", 0xD8F6FEC79E6A69F7P-62L, 0},  // 3.39007539266609702977
    {"(1+2^(-33))^3", 0x80000000C0000000P-63L, 0},  // 1.00000000034924596552
    // The inverse functions near their domain edges, where textbook formulas cancel, and
    // arctan where atan2l missed most: correctly rounded.
    {"arctan(-14748937951881368969/2)", -0xC90FDAA22168C234P-63L, 0},  // -1.5707963267948966191; mp.atan
    {"arctanh(9110104528363146719/2^3841)", 0xFCDB2F9A2F869BBEP-3842L, 0},  // 5.05021671181599795787e-1138; mp.atanh
    {"arctanh(18445993645535107471/2^1236)", 0xFFFD557D533B998FP-1236L, 0},  // 1.55893286926256978734e-353; mp.atanh
    {"arctanh(1-2^(-50))", 0x8D66EB197B315475P-59L, 0},  // 17.6752531042786051681; mp.atanh
    {"arctanh(-0.75)", -0xF913957192D2BAA3P-64L, 0},  // -0.972955074527656652553; mp.atanh
    {"arccosh(9223372036854775811/2^63)", 0xDDB3D742C265539DP-94L, 0},  // 8.06549008734932771642e-10; mp.acosh
    {"arccosh(1+2^(-63))", 0x8000000000000000P-94L, 0},  // 4.65661287307739257808e-10; mp.acosh
    {"arccosh(1)", 0, 0},  // 0.0; exact
    {"arcsin(-18446744070941578839/2^64)", -0xC90F495029B85520P-63L, 0},  // -1.57077900327880351854; mp.asin
    {"arcsin(-18446744071165085260/2^64)", -0xC90F4F4DC0AE5E2EP-63L, 0},  // -1.57077971741215355832; mp.asin
    {"arcsin(2^(-8000))", 0x8000000000000000P-8063L, 0},  // 5.75485900952013034753e-2409; mp.asin
    {"arccos(18446740566012378014/2^64)", 0xA1A94C0DC62B4BF5P-74L, 0},  // 0.000616688982921482000923; mp.acos
    {"arccos(2^(-40)-1)", 0xC90FD4F9F9CF2265P-62L, 0},  // 3.14159130489064088975; mp.acos
    {"arcsinh(10902376962846092779*2^5590)", 0xF4F38AD9B2E3DDBCP-52L, 0},  // 3919.22139901999422215; mp.asinh
    // sin, cos and tan where glibc's missed most (0.97, 0.81 and 1.5 units), beyond 2^20
    // (binary128) and below; 1/sin, 1/cos, 1/tan rounded once; sinh and cosh just below
    // overflow; tanh and arcsinh.
    {"sin(11362074213178262840*2^2839)", -0xBCC3CD10B9D45E7BP-67L, 0},  // -0.0921703358392084699812; mp.sin
    {"cos(-16607821019136344196/2^34)", -0xAA3DEC8D26ED0F7EP-72L, 0},  // -0.00259768510036524708664; mp.cos
    {"sin(-17792662106343476007/2^41)", -0xB54B7BA5077FB867P-65L, 0},  // -0.354091514487435646304; mp.sin
    {"cos(1.5)", 0x90DEAA7E2FCD3A20P-67L, 0},  // 0.0707372016677029100882; mp.cos
    {"tan(11183928406630655106/2^58)", 0xFD534E4CB1BA9881P-63L, 0},  // 1.97910479302250476302; mp.tan
    {"tan(17914739293918785232*2^5911)", -0xDF27DB972BF06306P-63L, 0},  // -1.74340386277606559994; mp.tan
    {"tan(-0.75)", -0xEE7D1B0887775F06P-64L, 0},  // -0.931596459944072461165; mp.tan
    {"cosecant(15176300456771035331/2^38)", 0xE93031EB152A9A43P-61L, 0},  // 7.28713317789636797071; 1/mp.sin
    {"secant(-18053939013870313579*2^1500)", -0xE1141CD40974E475P-59L, 0},  // -28.1348206105600289012; 1/mp.cos
    {"cotangent(13297905477020010120/2^30)", -0xE43C04E13FA55917P-65L, 0},  // -0.445770409103554761999; 1/mp.tan
    {"sinh(12787014162605251979/2^50)", 0xEF8643DDF0A5E3F6P+16320L, 0},  // 1.11316331842686801665e+4932; mp.sinh
    {"sinh(-12787070421469741545/2^50)", -0xFBCC0D1A9DF6AAABP+16320L, 0},  // -1.17019886917086516728e+4932; mp.sinh
    {"cosh(-12787070421469741545/2^50)", 0xFBCC0D1A9DF6AAABP+16320L, 0},  // 1.17019886917086516728e+4932; mp.cosh
    {"tanh(-8032544119701139417/2^115)", -0xDEF2A8A322E0DFB2P-116L, 0},  // -1.93376465621800422607e-16; mp.tanh
    {"tanh(17537627264859337278/2^96)", 0xF3622B143D25723EP-96L, 0},  // 2.21355976313370146673e-10; mp.tanh
    {"arcsinh(10902376962846092779*2^5590)", 0xF4F38AD9B2E3DDBCP-52L, 0},  // 3919.22139901999422215; mp.asinh
    // Logarithms near 1 and at the ends of the range.
    {"log2(16020413660144376428/2^4999)", -0x9A39A0ACE8A6AA89P-51L, 0},  // -4935.2034547973501655; mp.log(x, 2)
    {"log2(3)", 0xCAE00D1CFDEB43D0P-63L, 0},  // 1.58496250072115618145; mp.log(x, 2)
    {"ln(9223372036854801323/2^63)", 0xC755FFFFFFFFB265P-112L, 0},  // 2.76634184309676073705e-15; mp.log
    {"ln(2^(-16440))", -0xB20D5BCCCAA70F36P-50L, 0},  // -11395.3396484055008868; mp.log
    {"log10(13422727486084563015/2^12161)", -0xE39B2ABF75BB5166P-52L, 0},  // -3641.69793649662923368; mp.log10
    {"log10(1+2^(-60))", 0xDE5BD8A93728718EP-125L, 0},  // 3.76690416622377777462e-19; mp.log10
    // Two-step angle conversions: x times the exact ratio, rounded once.
    {"degtograd(14199198791843913620/2^14338)", 0xDAF2C3A24E03786CP-14338L, 0},  // 1.07137991348485020681e-4297; x*10/9
    {"degtocycle(-12292641632858109564/2^2614)", -0xF29F9FE8A75FF277P-2623L, 0},  // -4.37455674515851817517e-771; x/360
    {"gradtodeg(10084541927232754447*2^7129)", 0xFBE97B6A2B6F48B5P+7128L, 0},  // 1.00170023091057528077e+2165; x*9/10
    {"gradtocycle(-12825227836618500031*2^2430)", -0xE3D26242D3531428P+2421L, 0},  // -1.0206916480706520742e+748; x/400
    // Whole-number powers that round on the way, and the statistics of a list of mixed magnitude.
    {"(491/10^10)^(-3)", 0xE4FBFE80CFC71756P+9L, 0},  // 8.44803148236653793593e+21; x**-3, x = 491/10^10 rounded
    {"(-15457177559891580192/2^82)^(-3)", -0xD98F4BBB8CC1323EP-9L, 0},  // -30618812689047705.1212; x**-3
    {"variance(4051697664,989855744,0.184326171875,28.9375,1552384,34078720,356.5)", 0xFDC5D082434F4577P-3L, 0},  // 2285781389987670190.89; two passes
    {"stddev(4051697664,989855744,0.184326171875,28.9375,1552384,34078720,356.5)", 0xB43AEB290D8951D5P-33L, 0},  // 1511880084.52643829079; sqrt of two passes
    {"mean(4051697664,989855744,0.184326171875,28.9375,1552384,34078720,356.5)", 0xACED8A00ED400000P-34L, 0},  // 725312128.231689453125; sum/n
};

TEST(Accuracy, EachResultWithinItsBoundOfTheReference) {
    for (const AccuracyCase& c : kCases) {
        SCOPED_TRACE(c.input);
        const Outcome outcome = Evaluate(c.input);
        EXPECT_TRUE(outcome.ok) << Describe(outcome);
        if (!outcome.ok) continue;
        EXPECT_LE(UlpsBetween(outcome.value, c.expected), c.maxUlps) << Describe(outcome);
    }
}

}  // namespace
}  // namespace ferrolin::test
