// SPDX-License-Identifier: GPL-3.0-or-later
// The two-part fast paths of sin, cos, tan, exp, ln, log10 and log2 against libquadmath's
// binary128 functions (an independent implementation), rounded once: both give the correctly
// rounded value, so they must agree to the bit. The arguments reach every entry of each table
// (sin, cos and tan of j/64, 2^(j/64)), both signs, the quadrants, and the neighbours of
// multiples of pi/2, where the reduction cancels most.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "evaluator/QuadPrecision.h"
#include "evaluator/WideExponential.h"
#include "evaluator/WideLogarithm.h"
#include "evaluator/WideTrigonometry.h"

namespace ferrolin::detail {
namespace {

struct Function {
    const char* name;
    Ext (*fast)(Ext);
    Quad (*reference)(Quad);
};

// Arguments near c: c itself and c times (1 +- 2^-k) for a few k.
void AddAround(std::vector<Ext>& out, Ext c) {
    out.push_back(c);
    for (int k : {3, 9, 20, 40, 62}) {
        out.push_back(c * (1 + std::ldexp(1.0L, -k)));
        out.push_back(c * (1 - std::ldexp(1.0L, -k)));
    }
}

void ExpectAgreement(const Function& f, const std::vector<Ext>& arguments) {
    int mismatches = 0;
    for (Ext x : arguments) {
        const Ext expected = Rounded(f.reference(ToQuad(x)));
        const Ext actual = f.fast(x);
        if (actual != expected && mismatches++ < 5)
            ADD_FAILURE() << f.name << "(" << static_cast<double>(x) << " = " << std::hexfloat << x
                          << "): " << actual << ", binary128 gives " << expected;
    }
    EXPECT_EQ(mismatches, 0) << f.name << ", of " << arguments.size() << " arguments";
}

TEST(TwoPartFunctions, AgreeWithBinary128AtEveryTableEntry) {
    std::vector<Ext> trigonometric;
    for (int j = 1; j <= 51; ++j) {
        for (int quadrant = -5; quadrant <= 5; ++quadrant)
            AddAround(trigonometric, static_cast<Ext>(j) / 64 + quadrant * 1.5707963267948966192L);
    }
    for (Ext k : {1.0L, 2.0L, 3.0L, 7.0L, 100.0L, 1000.0L, 355.0L, 710.0L, 104348.0L, 667000.0L}) {
        const Ext multiple = k * 1.5707963267948966192313216916397514L;
        for (Ext x : {std::nextafter(multiple, 0.0L), multiple, std::nextafter(multiple, 1e30L)}) {
            trigonometric.push_back(x);
            trigonometric.push_back(-x);
        }
    }
    for (Ext tiny : {1e-5L, 3e-10L, 0x1p-40L, 0x1p-16000L, 0x1p-16440L}) {
        trigonometric.push_back(tiny);
        trigonometric.push_back(-tiny);
    }

    std::vector<Ext> exponential;
    for (int j = 0; j < 64; ++j) {
        for (int k : {-16000, -1000, -64, -1, 0, 1, 64, 1000, 16000})
            AddAround(exponential, (static_cast<Ext>(k) + static_cast<Ext>(j) / 64) * 0.69314718055994530942L);
    }

    std::vector<Ext> logarithmic;
    for (int j = 0; j < 64; ++j) {
        for (int k : {-16440, -300, -1, 0, 1, 300, 16383})
            AddAround(logarithmic, std::ldexp(0.70710678118654752440L * (1 + static_cast<Ext>(j) / 64), k));
    }

    const Function functions[] = {
        {"sin", Sine, sinq},           {"cos", Cosine, cosq},
        {"tan", Tangent, tanq},        {"exp", Exponential, expq},
        {"ln", NaturalLogarithm, logq}, {"log10", CommonLogarithm, log10q},
        {"log2", BinaryLogarithm, log2q},
    };
    for (const Function& f : functions) {
        SCOPED_TRACE(f.name);
        const std::string name = f.name;
        const bool trig = name == "sin" || name == "cos" || name == "tan";
        ExpectAgreement(f, trig ? trigonometric : name == "exp" ? exponential : logarithmic);
    }
}

}  // namespace
}  // namespace ferrolin::detail
