// exp, sinh, cosh, tanh and powers against reference values to the last bit.
//
// Every reference is the true value rounded to the nearest 80-bit value, computed with mpmath
// 1.3.0 (python3-mpmath, Debian 12) at 400 bits, e.g. mp.exp(1000) or mpf(3)**mpf('4931.5'), and
// rounded to a 64-bit significand (ties to even); the comment beside each gives its digits.
// Arguments are exact binary numbers, so the reference depends on nothing but the function.
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
    // exp, sinh and cosh: within one unit in the last place.
    {"exp(1)", 0xADF85458A2BB4A9BP-62L, 1},  // 2.71828182845904523536
    {"exp(-1)", 0xBC5AB1B16779BE35P-65L, 1},  // 0.367879441171442321596
    {"exp(100)", 0x9A4A54D8B8DFA566P+81L, 1},  // 2.68811714181613544841e+43
    {"exp(1000)", 0xCF391BCD76B9D6C0P+1379L, 1},  // 1.97007111401704699389e+434
    {"exp(-1000.5)", 0xBFD1FF221B495311P-1507L, 1},  // 3.07872469880488346418e-435
    {"exp(11356)", 0x97AE01B5ED4A38FCP+16320L, 1},  // 7.04914579998566243846e+4931
    {"exp(0.25)", 0xA45AF1E1F40C333BP-63L, 1},  // 1.28402541668774148407
    {"exp(-11000.75)", 0x9A9D3BB19EC4EE08P-15934L, 1},  // 2.72256465939494697481e-4778
    {"exp(2^(-40))", 0x8000000000800000P-63L, 1},  // 1.0000000000009094947
    {"sinh(100)", 0x9A4A54D8B8DFA566P+80L, 1},  // 1.34405857090806772421e+43
    {"sinh(1000)", 0xCF391BCD76B9D6C0P+1378L, 1},  // 9.85035557008523496944e+433
    {"sinh(-11356.5)", -0xFA13DBA329DD768DP+16319L, 1},  // -5.81103831035141637157e+4931
    {"sinh(0.25)", 0x815666CE84080F33P-65L, 1},  // 0.252612316808168307914
    {"sinh(2^(-30))", 0x8000000000000001P-93L, 1},  // 9.3132257461547851576e-10
    {"sinh(11357)", 0xCE2773666CC8CC68P+16320L, 1},  // 9.58078246712971282993e+4931
    {"cosh(100)", 0x9A4A54D8B8DFA566P+80L, 1},  // 1.34405857090806772421e+43
    {"cosh(-1000)", 0xCF391BCD76B9D6C0P+1378L, 1},  // 9.85035557008523496944e+433
    {"cosh(0.25)", 0x8405582E530A2F6EP-63L, 1},  // 1.03141309987957317616
    {"cosh(11357)", 0xCE2773666CC8CC68P+16320L, 1},  // 9.58078246712971282993e+4931
    {"cosh(2^(-20))", 0x8000000000400000P-63L, 1},  // 1.00000000000045474735
    // tanh: within two.
    {"tanh(0.5)", 0xEC9A9EBAB4579B29P-65L, 2},  // 0.462117157260009758502
    {"tanh(3)", 0xFEBBE888D057FF10P-64L, 2},  // 0.995054753686730451332
    {"tanh(-20.25)", -0xFFFFFFFFFFFFFFA1P-64L, 2},  // -0.999999999999999994846
    {"tanh(2^(-30))", 0xFFFFFFFFFFFFFFFBP-94L, 2},  // 9.31322574615478515356e-10
    {"tanh(0.125)", 0xFEACC95E25C1A7E0P-67L, 2},  // 0.124353001771596208055
    // Powers, within one unit: general ones, and whole-number ones whose exponent reaches 2^63
    // and beyond.
    {"3^4931.5", 0x976FD416EFAF0C56P+7753L, 1},  // 8.38431622704220911175e+2352
    {"2^0.5", 0xB504F333F9DE6484P-63L, 1},  // 1.4142135623730950488
    {"10^2.5", 0x9E1D276FD4BAC411P-55L, 1},  // 316.2277660168379332
    {"1.5^1000.25", 0x8A054FBD5AF775EAP+522L, 1},  // 1.36546908038831474054e+176
    {"7^(-300.5)", 0xA7B662ADE05F597DP-907L, 1},  // 1.11696348506137534151e-254
    {"0.75^(-20000.5)", 0xF891BDC7C3C998BAP+8237L, 1},  // 6.87387348031846934012e+2498
    {"2^(-16440.5)", 0x0000000000000017P-16445L, 1},  // 8.24814498487080459241e-4950
    {"(1+2^(-63))^(2^63)", 0xADF85458A2BB4A9AP-62L, 1},  // 2.71828182845904523521
    {"(1-2^(-64))^(2^64)", 0xBC5AB1B16779BE35P-65L, 1},  // 0.367879441171442321586
    {"(1+2^(-63))^(2^63*100)", 0x9A4A54D8B8DFA52AP+81L, 1},  // 2.68811714181613543384e+43
    {"3^41", 0xFD150E7B3DAFDC32P+1L, 1},  // 36472996377170786403.0
    {"1.25^(-1001)", 0xD7441C0DDA96870BP-386L, 1},  // 9.84185537728893741545e-98
    {"(-1.5)^1001", -0xBB12E0673F479451P+522L, 1},  // -1.85076089535926021884e+176
    // Whole exponents whose power rounds on the way, within one unit: squaring and multiplying
    // in the format would drift by tens of units here.
    {"(1+2^(-20))^1000000", 0xA618319AA4319D89P-62L, 1},  // 2.59522667028138606862
    {"(1+3*2^(-30))^37", 0x800000DE0000BB50P-63L, 1},  // 1.00000010337681098128
    {"1.5^41", 0xFD150E7B3DAFDC32P-40L, 1},  // 16585998.4814100182134
    {"1.5^(-41)", 0x8179C704BD3C576AP-87L, 1},  // 6.0291817892110854616e-8
    {"(1-2^(-12))^(-5000)", 0xD8F6FEC79E6A69F7P-62L, 1},  // 3.39007539266609702977
    {"(1+2^(-33))^3", 0x80000000C0000000P-63L, 1},  // 1.00000000034924596552
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
