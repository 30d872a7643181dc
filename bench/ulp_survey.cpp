// SPDX-License-Identifier: GPL-3.0-or-later
// How far each built-in function lies from the true value, in units in the last place (ulp) of
// the 80-bit format: 500 exact 80-bit arguments per function (a fixed seed, so every run draws
// the same ones), each result compared with MPFR at 256 bits.
//   ulp_survey [points per function]
// Prints one table row per function: the worst error, its argument, and how many points lie over
// half a unit (not correctly rounded) and over one unit.
//
// The single-step angle conversions are measured against x times their stored constant (200/pi
// is held one unit low on purpose), the two-step ones against x times the exact ratio.
#include <mpfr.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "evaluator/Constants.h"
#include "evaluator/FunctionLibrary.h"
#include "evaluator/FunctionTable.h"
#include "evaluator/Power.h"

namespace {

using ferrolin::detail::Ext;
using ferrolin::detail::Status;
using Random = std::mt19937_64;

constexpr mpfr_prec_t kPrecision = 256;

// One argument (or a list, for the statistics) and what it gives.
struct Point {
    Ext x = 0, y = 0;           // y: the exponent of a power
    std::vector<double> list;   // the statistics' elements
};

// x exactly, as the calculator reads it: a 64-bit whole number times a power of two.
std::string Exact(Ext x) {
    if (x == 0) return "0";
    int exponent;
    const Ext m = std::frexp(std::fabs(x), &exponent);
    const auto significand = static_cast<std::uint64_t>(std::ldexp(m, 64));
    char text[64];
    std::snprintf(text, sizeof text, "%s%llu*2^%d", x < 0 ? "-" : "", static_cast<unsigned long long>(significand),
                  exponent - 64);
    return text;
}

struct Subject {
    std::string name;
    std::function<Point(Random&)> draw;
    std::function<bool(const Point&, Ext&)> compute;  // false when the evaluator failed
    std::function<void(mpfr_t, const Point&)> reference;
    std::string describe(const Point& p) const {
        char text[160];
        if (!p.list.empty()) {
            std::string s = "(";
            for (double d : p.list) {
                std::snprintf(text, sizeof text, "%s%.17g", s.size() > 1 ? "," : "", d);
                s += text;
            }
            return s + ")";
        }
        if (p.y != 0) {
            std::snprintf(text, sizeof text, "%.6Lg ^ %.6Lg (%s ^ %s)", p.x, p.y, Exact(p.x).c_str(), Exact(p.y).c_str());
        } else {
            std::snprintf(text, sizeof text, "%.6Lg (%s)", p.x, Exact(p.x).c_str());
        }
        return text;
    }
};

// An exact 80-bit number: random significand, binary exponent in [low, high], either sign.
Ext Span(Random& r, int low, int high, bool negative = true) {
    const std::uint64_t significand = r() | 0x8000000000000000u;
    const int exponent = std::uniform_int_distribution<int>(low, high)(r);
    const Ext x = std::ldexp(static_cast<Ext>(significand), exponent - 63);
    return negative && (r() & 1) ? -x : x;
}

// An 80-bit number just beside p: p times (1 +- u 2^-j), j from 1 to 64.
Ext Near(Random& r, Ext p) {
    const int j = std::uniform_int_distribution<int>(1, 64)(r);
    const Ext u = std::uniform_real_distribution<double>(0, 1)(r);
    return p * (1 + ((r() & 1) ? -1 : 1) * std::ldexp(u, -j));
}

// One of the generators, uniformly.
std::function<Point(Random&)> OneOf(std::vector<std::function<Ext(Random&)>> generators) {
    return [generators](Random& r) {
        Point p;
        p.x = generators[r() % generators.size()](r);
        return p;
    };
}

std::function<bool(const Point&, Ext&)> Table(const char* name) {
    const ferrolin::FunctionInfo* f = ferrolin::LookUpFunction(name);
    return [f](const Point& p, Ext& out) {
        Status s;
        out = f->compute(p.x, {}, s);
        return !s.failed;
    };
}

using Unary = int (*)(mpfr_ptr, mpfr_srcptr, mpfr_rnd_t);
std::function<void(mpfr_t, const Point&)> Mpfr(Unary f) {
    return [f](mpfr_t out, const Point& p) {
        mpfr_t x;
        mpfr_init2(x, kPrecision);
        mpfr_set_ld(x, p.x, MPFR_RNDN);
        f(out, x, MPFR_RNDN);
        mpfr_clear(x);
    };
}

// x * numerator / denominator; the numerator may be an 80-bit constant.
std::function<void(mpfr_t, const Point&)> Ratio(Ext numerator, Ext denominator) {
    return [numerator, denominator](mpfr_t out, const Point& p) {
        mpfr_set_ld(out, p.x, MPFR_RNDN);
        mpfr_t c;
        mpfr_init2(c, kPrecision);
        mpfr_set_ld(c, numerator, MPFR_RNDN);
        mpfr_mul(out, out, c, MPFR_RNDN);
        mpfr_set_ld(c, denominator, MPFR_RNDN);
        mpfr_div(out, out, c, MPFR_RNDN);
        mpfr_clear(c);
    };
}

// Sample variance of the list by two passes at 256 bits (exact for these lists).
void ListVariance(mpfr_t out, const std::vector<double>& v) {
    mpfr_t sum, d;
    mpfr_inits2(kPrecision * 4, sum, d, static_cast<mpfr_ptr>(nullptr));
    mpfr_set_zero(sum, 1);
    for (double e : v) mpfr_add_d(sum, sum, e, MPFR_RNDN);
    mpfr_div_ui(sum, sum, v.size(), MPFR_RNDN);
    mpfr_set_zero(out, 1);
    for (double e : v) {
        mpfr_set_d(d, e, MPFR_RNDN);
        mpfr_sub(d, d, sum, MPFR_RNDN);
        mpfr_sqr(d, d, MPFR_RNDN);
        mpfr_add(out, out, d, MPFR_RNDN);
    }
    mpfr_div_ui(out, out, v.size() - 1, MPFR_RNDN);
    mpfr_clears(sum, d, static_cast<mpfr_ptr>(nullptr));
}

// Lists of 2 to 12 doubles: a common value with small spread, or magnitudes far apart.
Point DrawList(Random& r) {
    Point p;
    const std::size_t n = 2 + r() % 11;
    const double centre = static_cast<double>(Span(r, -30, 60));
    const bool close = r() & 1;
    for (std::size_t i = 0; i < n; ++i) {
        p.list.push_back(close ? centre * (1 + std::ldexp(static_cast<double>(r() % 1000), -40))
                               : static_cast<double>(Span(r, -20, 40)));
    }
    return p;
}

std::vector<Subject> Subjects() {
    using ferrolin::detail::IntegerPower;
    using ferrolin::detail::GeneralPower;
    namespace c = ferrolin::detail;
    const auto trig = OneOf({[](Random& r) { return Span(r, -40, 64); }, [](Random& r) { return Span(r, 64, 16000); }});
    const auto unit = OneOf({[](Random& r) { return Span(r, -16000, -1); }, [](Random& r) { return Near(r, 1); },
                             [](Random& r) { return Near(r, -1); }});
    const auto wide = OneOf({[](Random& r) { return Span(r, -16000, 16000); }});
    const auto positive = OneOf({[](Random& r) { return Span(r, -16440, 16383, false); },
                                 [](Random& r) { return Near(r, 1); }});
    // Beyond the closeness threshold (1e-16), within which sinh and tanh give 0 and cosh 1.
    const auto hyperbolic = OneOf({[](Random& r) { return Span(r, -53, 13); },
                                   [](Random& r) { return Near(r, 11356.5L) * ((r() & 1) ? 1 : -1); },
                                   [](Random& r) { return Near(r, 11357.2L) * ((r() & 1) ? 1 : -1); }});
    const auto exponential = OneOf({[](Random& r) { return Span(r, -70, 13); },
                                    [](Random& r) { return Near(r, 11356.5L); }, [](Random& r) { return Near(r, -11355.0L); }});
    const auto aboveOne = OneOf({[](Random& r) { return Span(r, 0, 16000, false); },
                                 [](Random& r) { return 1 + std::fabs(Near(r, 1) - 1); }});
    const auto list = [](Random& r) { return DrawList(r); };
    std::vector<Subject> s = {
        {"sin", trig, Table("sin"), Mpfr(mpfr_sin)},
        {"cos", trig, Table("cos"), Mpfr(mpfr_cos)},
        {"tan", trig, Table("tan"), Mpfr(mpfr_tan)},
        {"cosecant", trig, Table("cosecant"), Mpfr(mpfr_csc)},
        {"secant", trig, Table("secant"), Mpfr(mpfr_sec)},
        {"cotangent", trig, Table("cotangent"), Mpfr(mpfr_cot)},
        {"arcsin", unit, Table("arcsin"), Mpfr(mpfr_asin)},
        {"arccos", unit, Table("arccos"), Mpfr(mpfr_acos)},
        {"arctan", wide, Table("arctan"), Mpfr(mpfr_atan)},
        {"degtorad", wide, Table("degtorad"), Ratio(c::kPiOver180, 1)},
        {"radtodeg", wide, Table("radtodeg"), Ratio(c::k180OverPi, 1)},
        {"radtograd", wide, Table("radtograd"), Ratio(c::k200OverPi, 1)},
        {"radtocycle", wide, Table("radtocycle"), Ratio(1, c::kTwoPi)},
        {"gradtorad", wide, Table("gradtorad"), Ratio(c::kPiOver200, 1)},
        {"cycletorad", wide, Table("cycletorad"), Ratio(c::kTwoPi, 1)},
        {"degtograd", wide, Table("degtograd"), Ratio(10, 9)},
        {"degtocycle", wide, Table("degtocycle"), Ratio(1, 360)},
        {"gradtodeg", wide, Table("gradtodeg"), Ratio(9, 10)},
        {"gradtocycle", wide, Table("gradtocycle"), Ratio(1, 400)},
        {"cycletodeg", wide, Table("cycletodeg"), Ratio(360, 1)},
        {"cycletograd", wide, Table("cycletograd"), Ratio(400, 1)},
        {"sinh", hyperbolic, Table("sinh"), Mpfr(mpfr_sinh)},
        {"cosh", hyperbolic, Table("cosh"), Mpfr(mpfr_cosh)},
        {"tanh", hyperbolic, Table("tanh"), Mpfr(mpfr_tanh)},
        {"arcsinh", wide, Table("arcsinh"), Mpfr(mpfr_asinh)},
        {"arccosh", aboveOne, Table("arccosh"), Mpfr(mpfr_acosh)},
        {"arctanh", unit, Table("arctanh"), Mpfr(mpfr_atanh)},
        {"ln", positive, Table("ln"), Mpfr(mpfr_log)},
        {"log2", positive, Table("log2"), Mpfr(mpfr_log2)},
        {"log10", positive, Table("log10"), Mpfr(mpfr_log10)},
        {"exp", exponential, Table("exp"), Mpfr(mpfr_exp)},
        {"sqrt", positive, Table("sqrt"), Mpfr(mpfr_sqrt)},
        {"x^k, whole k",
         [](Random& r) {
             Point p;
             p.x = Span(r, -30, 30);
             p.y = static_cast<Ext>(static_cast<std::int64_t>(r() % 2001) - 1000);
             if (r() % 4 == 0) p.y = static_cast<Ext>(static_cast<std::int64_t>(r() % 21) - 10);
             if (p.y == 0) p.y = 3;
             return p;
         },
         [](const Point& p, Ext& out) {
             Status s;
             out = IntegerPower(p.x, p.y, s);
             return !s.failed;
         },
         [](mpfr_t out, const Point& p) {
             mpfr_set_ld(out, p.x, MPFR_RNDN);
             mpfr_pow_si(out, out, static_cast<long>(p.y), MPFR_RNDN);
         }},
        {"x^y",
         [](Random& r) {
             Point p;
             p.x = Span(r, -30, 30, false);
             p.y = Span(r, -8, 10);
             if (p.y == std::trunc(p.y)) p.y += 0.5L;
             return p;
         },
         [](const Point& p, Ext& out) {
             Status s;
             out = GeneralPower(p.x, p.y, s);
             return !s.failed;
         },
         [](mpfr_t out, const Point& p) {
             mpfr_t y;
             mpfr_init2(y, kPrecision);
             mpfr_set_ld(out, p.x, MPFR_RNDN);
             mpfr_set_ld(y, p.y, MPFR_RNDN);
             mpfr_pow(out, out, y, MPFR_RNDN);
             mpfr_clear(y);
         }},
        {"mean", list,
         [](const Point& p, Ext& out) {
             Status s;
             out = c::Mean(p.list, s);
             return !s.failed;
         },
         [](mpfr_t out, const Point& p) {
             mpfr_set_zero(out, 1);
             for (double e : p.list) mpfr_add_d(out, out, e, MPFR_RNDN);
             mpfr_div_ui(out, out, p.list.size(), MPFR_RNDN);
         }},
        {"variance", list,
         [](const Point& p, Ext& out) {
             Status s;
             out = c::Variance(p.list, s);
             return !s.failed;
         },
         [](mpfr_t out, const Point& p) { ListVariance(out, p.list); }},
        {"stddev", list,
         [](const Point& p, Ext& out) {
             Status s;
             out = c::StandardDeviation(p.list, s);
             return !s.failed;
         },
         [](mpfr_t out, const Point& p) {
             ListVariance(out, p.list);
             mpfr_sqrt(out, out, MPFR_RNDN);
         }},
    };
    return s;
}

// |value - reference| in units of the last place of the reference in the 80-bit format (the
// denormals' quantum below the normal range). Negative when the reference lies beyond it.
double UlpError(Ext value, mpfr_t reference) {
    if (mpfr_zero_p(reference)) return value == 0 ? 0 : 1e30;
    if (!mpfr_number_p(reference)) return -1;
    mpfr_exp_t exponent = mpfr_get_exp(reference);  // reference = m 2^e, m in [1/2, 1)
    if (exponent > 16384) return -1;
    if (exponent < -16381) exponent = -16381;
    mpfr_t diff;
    mpfr_init2(diff, kPrecision * 4);
    mpfr_set_ld(diff, value, MPFR_RNDN);
    mpfr_sub(diff, diff, reference, MPFR_RNDN);
    mpfr_mul_2si(diff, diff, 64 - exponent, MPFR_RNDN);
    const double ulps = std::fabs(mpfr_get_d(diff, MPFR_RNDN));
    mpfr_clear(diff);
    return ulps;
}

}  // namespace

int main(int argc, char** argv) {
    const int points = argc > 1 ? std::atoi(argv[1]) : 500;
    std::printf("| function | worst (ulp) | worst argument | over 0.5 ulp | over 1 ulp |\n|---|---|---|---|---|\n");
    mpfr_t reference;
    mpfr_init2(reference, kPrecision);
    for (const Subject& subject : Subjects()) {
        Random random(20261210);
        double worst = 0;
        Point worstPoint;
        int overHalf = 0, overOne = 0, measured = 0;
        for (int attempt = 0; measured < points && attempt < points * 20; ++attempt) {
            const Point p = subject.draw(random);
            Ext value;
            if (!subject.compute(p, value) || !std::isfinite(value)) continue;
            subject.reference(reference, p);
            const double error = UlpError(value, reference);
            if (error < 0) continue;
            ++measured;
            overHalf += error > 0.5 + 1e-9;
            overOne += error > 1;
            if (error > worst) {
                worst = error;
                worstPoint = p;
            }
        }
        std::printf("| %s | %.3g | %s | %d | %d |\n", subject.name.c_str(), worst, subject.describe(worstPoint).c_str(),
                    overHalf, overOne);
    }
    mpfr_clear(reference);
    return 0;
}
