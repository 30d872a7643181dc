// SPDX-License-Identifier: GPL-3.0-or-later
// The 39 functions: values, exact conversions with the stored constants, and domain errors.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <string>

#include "evaluator/EvaluationError.h"
#include "evaluator/FunctionTable.h"
#include "evaluator/support/EvalSupport.h"

namespace ferrolin::test {
namespace {

constexpr long double kInf = std::numeric_limits<long double>::infinity();

TEST(Functions, ComputeTheirValues) {
    const NearCase cases[] = {
        {"sin(0.5)", 0.4794255386042030002732879L},
        {"cos(0.5)", 0.8775825618903727161162816L},
        {"tan(0.5)", 0.5463024898437905132551795L},
        {"arcsin(0.5)", 0.5235987755982988730771072L},
        {"arccos(0.5)", 1.047197551196597746154214L},
        {"arctan(2)", 1.107148717794090503017065L},
        {"cosecant(0.5)", 2.085829642933488185772502L},
        {"secant(0.5)", 1.139493927324549122313328L},
        {"cotangent(0.5)", 1.830487721712451919268019L},
        {"radtodeg(1)", 57.29577951308232087679815L},
        {"degtocycle(90)", 0.25L},
        {"sinh(1)", 1.175201193643801456882382L},
        {"sinh(-2)", -3.626860407847018767668214L},
        {"cosh(1)", 1.543080634815243778477906L},
        {"tanh(0.5)", 0.4621171572600097585023185L},
        {"arcsinh(2)", 1.443635475178810342493277L},
        {"arcsinh(-10000000000)", -23.71899811050040214959965L},  // no cancellation
        {"arcsinh(1e3000)", 6908.448426162696997363392L},         // no squaring overflow
        {"arccosh(2)", 1.316957896924816708625046L},
        {"arccosh(1e3000)", 6908.448426162696997363392L},
        {"arctanh(0.5)", 0.5493061443340548456976226L},
        {"arctanh(-0.9)", -1.472219489583220230004514L},
        {"ln(10)", 2.302585092994045684017991L},
        {"log2(10)", 3.321928094887362347870319L},
        {"log10(2)", 0.3010299956639811952137389L},
        {"exp(1)", 2.718281828459045235360287L},
        {"exp(-1)", 0.3678794411714423215955238L},
        {"exp(11356)", 7.049145799985662438461967e+4931L, 1e-14L},
        {"sqrt(2)", 1.414213562373095048801689L},
        // Arguments far past 2^63 are reduced properly, not passed through.
        {"sin(1e22)", -0.8522008497671888017727059L},
        {"cos(1e22)", 0.5232147853951389454975945L},
        {"tan(1e22)", -1.628778225606898878549376L},
        {"cosecant(1e22)", -1.173432296240009827408928L},
        {"secant(1e22)", 1.911260973339632125311351L},
        {"cotangent(1e22)", -0.6139571270529418503947478L},
        {"sin(2^64)", 0.02359850990443955863436592L},
        {"cos(2^100)", 0.4891786569747214499057893L},
        {"tan(2^70)", -16.54948018642401277341724L},
    };
    ExpectNearValues(cases, 1e-17L);
}

TEST(Functions, GiveExactResultsWhereTheFormulaIsExact) {
    const long double pi = Evaluate("pi").value;
    const ExactCase cases[] = {
        {"degtorad(180)", pi},
        {"arcsin(1)", pi / 2},
        {"arcsin(-1)", -pi / 2},
        {"arccos(1)", 0},
        {"arccos(-1)", pi},
        {"arctan(0)", 0},
        {"degtograd(90)", 100},
        {"cycletodeg(1)", 360},
        {"gradtodeg(200)", 180},  // one rounding of x * 9/10, not two through the stored constants
        {"gradtocycle(400)", 1},
        {"degtocycle(-720)", -2},
        {"cycletograd(0.25)", 100},
        {"sinh(0.00000000000000001)", 0},
        {"sinh(0.0000000000000001)", 0},  // the literal rounds to the threshold itself
        {"cosh(0.00000000000000001)", 1},
        {"tanh(0.00000000000000001)", 0},
        {"tanh(20000)", 1},  // saturates instead of overflowing
        {"tanh(-20000)", -1},
        {"tanh(12000)", 1},
        {"arctanh(1)", kInf},
        {"arctanh(-1)", -kInf},
        {"arctanh(1-0.00000000000000001)", kInf},
        {"arctanh(0.00000000000000001-1)", -kInf},
        {"exp(-20000)", 0},
        {"exp(0)", 1},
        {"ln(1)", 0},
        {"log2(8)", 3},
        {"log2(2^(-1))", -1},
        {"sqrt(16)", 4},
        {"arcsinh(0)", 0},
    };
    ExpectExactValues(cases);
}

TEST(Functions, SinhOfTinyValuesIsNotZeroPastTheThreshold) {
    Outcome outcome = Evaluate("sinh(0.00000000000000011)");
    ASSERT_TRUE(outcome.ok) << Describe(outcome);
    EXPECT_NE(outcome.value, 0);
}

TEST(Functions, TanOfThePiConstantHalvedIsLargeButFinite) {
    Outcome outcome = Evaluate("tan(pi/2)");
    ASSERT_TRUE(outcome.ok) << Describe(outcome);
    EXPECT_TRUE(std::isfinite(outcome.value));
    EXPECT_GT(std::fabs(outcome.value), 1e19L);
}

TEST(Functions, ArcsinhIsOdd) {
    const char* magnitudes[] = {"0.000001", "0.5", "3", "10000000000", "1e300", "1e4000"};
    for (const char* x : magnitudes) {
        SCOPED_TRACE(x);
        Outcome positive = Evaluate(std::string("arcsinh(") + x + ")");
        Outcome negative = Evaluate(std::string("arcsinh(-") + x + ")");
        ASSERT_TRUE(positive.ok) << Describe(positive);
        ASSERT_TRUE(negative.ok) << Describe(negative);
        EXPECT_GT(positive.value, 0);
        EXPECT_EQ(negative.value, -positive.value);
    }
}

TEST(Functions, FailOutsideTheirDomain) {
    const ErrorCase cases[] = {
        {"sqrt(-1)", kInvalidOperation},
        {"ln(-1)", kInvalidOperation},
        {"log2(-1)", kInvalidOperation},
        {"log10(-1)", kInvalidOperation},
        {"arcsin(2)", kInvalidOperation},
        {"arcsin(-1.5)", kInvalidOperation},
        {"arccos(-2)", kInvalidOperation},
        {"arccosh(0)", kInvalidOperation},
        {"arccosh(0.5)", kInvalidOperation},
        {"arctanh(2)", kInvalidOperation},
        {"arctanh(-3)", kInvalidOperation},
        {"ln(0)", kDivisionByZero},
        {"log2(0)", kDivisionByZero},
        {"log10(0)", kDivisionByZero},
        {"cosecant(0)", kDivisionByZero},
        {"cotangent(0)", kDivisionByZero},
        {"arccosh(-1)", kDivisionByZero},
        {"arccosh(-3)", kInvalidOperation},
        {"arcsin(1e3000)", kOverflow},  // x*x overflows before the domain is checked
        {"cosecant(2^(-16440))", kOverflow},
        {"exp(11357)", kOverflow},
        {"sinh(11358)", kOverflow},  // sinh and cosh reach e^x / 2: 11357 still fits
        {"sinh(-11358)", kOverflow},
        {"cosh(11358)", kOverflow},
        {"cosh(-11358)", kOverflow},
        // Infinities and NaNs (arctanh(1) is +INF, factorial(0) is NaN) where they are compared
        // or converted.
        {"exp(arctanh(1))", kInvalidOperation},
        {"exp(arctanh(-1))", kInvalidOperation},
        {"sinh(arctanh(1))", kInvalidOperation},
        {"cosh(arctanh(-1))", kInvalidOperation},
        {"tanh(arctanh(1))", kInvalidOperation},
        {"tanh(arctanh(-1))", kInvalidOperation},
        {"sinh(factorial(0))", kInvalidOperation},
        {"arctanh(factorial(0))", kInvalidOperation},
        {"arctanh(arctanh(1))", kInvalidOperation},
        {"arcsin(arctanh(-1))", kInvalidOperation},
        {"arccos(arctanh(1))", kInvalidOperation},
        {"arccosh(arctanh(1))", kInvalidOperation},
        {"sin(arctanh(1))", kInvalidOperation},
        {"cos(arctanh(-1))", kInvalidOperation},
        {"tan(arctanh(1))", kInvalidOperation},
        {"arctanh(1)-arctanh(1)", kInvalidOperation},
        {"arctanh(1)*0", kInvalidOperation},
    };
    ExpectFailures(cases);
}

TEST(Functions, PassQuietNaNsThroughWithoutError) {
    const char* cases[] = {"exp(factorial(0))", "factorial(0)+1", "sqrt(factorial(0))", "sin(factorial(16))",
                           "-factorial(0)", "arcsin(factorial(0))", "arccos(factorial(0))", "arcsinh(factorial(0))",
                           "arccosh(factorial(0))", "ln(factorial(0))", "log10(factorial(0))",
                           "cosecant(factorial(0))", "degtograd(factorial(0))", "factorial(0)^3"};
    ExpectNaNs(cases);
}

TEST(CeilAndFloor, GiveTheExactIntegerForEveryFiniteValue) {
    const ExactCase cases[] = {
        {"ceil(2.1)", 3},
        {"ceil(-2.5)", -2},
        {"floor(-2.5)", -3},
        {"floor(2.9)", 2},
        {"ceil(0.5)", 1},
        {"floor(-0.5)", -1},
        {"floor(0.5)", 0},
        {"ceil(7)", 7},
        {"ceil(3000000000)", 3000000000.0L},
        {"floor(4294967296)", 4294967296.0L},
        {"ceil(-2147483648.5)", -2147483648.0L},
        {"floor(-2147483648.5)", -2147483649.0L},
        {"floor(2^63-0.5)", 9223372036854775807.0L},
        {"ceil(2^63-0.5)", 9223372036854775808.0L},
        {"ceil(1e19)", 1e19L},
        {"floor(-1e19)", -1e19L},
        {"ceil(2^100)", 0x1p100L},
        {"floor(1e4000)", Evaluate("1e4000").value},
        {"ceil(0.0000000000000000000001)", 1},
    };
    ExpectExactValues(cases);
}

TEST(Factorial, CountsFromTheFloorUpToFifteen) {
    const ExactCase cases[] = {
        {"factorial(1)", 1},
        {"factorial(3.9)", 6},
        {"factorial(10)", 3628800},
        {"factorial(15)", 1307674368000.0L},
        {"factorial(15.9)", 1307674368000.0L},
    };
    ExpectExactValues(cases);
    const char* nanCases[] = {"factorial(16)", "factorial(0)", "factorial(0.99)", "factorial(-3)",
                              "factorial(4294967297)", "factorial(4294967298)", "factorial(1e18)",
                              "factorial(2^63-1)", "factorial(-(2^63-1))"};
    ExpectNaNs(nanCases);
}

TEST(IntegerSteps, FailForNaNInfinityAndOutOfRange) {
    const char* cases[] = {
        "ceil(factorial(0))", "ceil(arctanh(1))", "floor(arctanh(-1))", "floor(factorial(0))",
        "factorial(1e19)", "factorial(2^63)", "factorial(-(2^63+1))", "factorial(-1e19)",
        "factorial(factorial(0))", "factorial(arctanh(1))",
        "random(factorial(0))", "random(arctanh(1))", "random(arctanh(-1))", "random(1e19)",
        "random(2^63)", "random(-1e19)",
    };
    ExpectFailures(cases, kInvalidOperation);
}

TEST(FunctionTable, HasTheThirtyNineNamesInIndexOrder) {
    const char* names[] = {
        "sin", "cos", "tan", "arcsin", "arccos", "arctan", "cosecant", "secant", "cotangent",
        "degtorad", "degtograd", "degtocycle", "radtodeg", "radtograd", "radtocycle", "gradtodeg",
        "gradtorad", "gradtocycle", "cycletodeg", "cycletorad", "cycletograd", "sinh", "cosh",
        "tanh", "arcsinh", "arccosh", "arctanh", "ln", "log2", "log10", "exp", "sqrt", "ceil",
        "floor", "factorial", "random", "mean", "stddev", "variance"};
    ASSERT_EQ(FunctionTable().size(), std::size(names));
    for (int i = 0; i < static_cast<int>(std::size(names)); ++i) {
        SCOPED_TRACE(names[i]);
        EXPECT_EQ(FunctionTable()[i].index, i);
        EXPECT_EQ(FunctionTable()[i].name, names[i]);
        const FunctionInfo* found = LookUpFunction(names[i]);
        ASSERT_NE(found, nullptr);
        EXPECT_EQ(found->index, i);
    }
    const char* notNames[] = {"", "Sin", "si", "sine", "sin(", "log", "mean "};
    for (const char* text : notNames) EXPECT_EQ(LookUpFunction(text), nullptr) << text;
}

}  // namespace
}  // namespace ferrolin::test
