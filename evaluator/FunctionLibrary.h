// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The computations of the built-in functions that take more than one step; the function table
// names each row's computation.
#include <span>

#include "evaluator/Arithmetic.h"

namespace ferrolin::detail {

// What every computation receives: its argument, the elements of the last comma list (the
// statistical functions read only these) and the evaluation's status.
using Computation = Ext (*)(Ext x, std::span<const double> list, Status& s);

Ext Cosecant(Ext x, Status& s);
Ext Secant(Ext x, Status& s);
Ext Cotangent(Ext x, Status& s);
Ext Exp(Ext x, Status& s);
Ext Ln(Ext x, Status& s);
Ext Log10(Ext x, Status& s);
Ext LogBase2(Ext x, Status& s);
Ext Sinh(Ext x, Status& s);
Ext Cosh(Ext x, Status& s);
Ext Tanh(Ext x, Status& s);
Ext Arcsin(Ext x, Status& s);
Ext Arctan(Ext x);
Ext Arccos(Ext x, Status& s);
Ext Arcsinh(Ext x);
Ext Arctanh(Ext x, Status& s);
Ext Arccosh(Ext x, Status& s);
// The two-step angle conversions, each one rounding of x times the exact ratio.
Ext DegreesToGradians(Ext x, Status& s);
Ext DegreesToCycles(Ext x, Status& s);
Ext GradiansToDegrees(Ext x, Status& s);
Ext GradiansToCycles(Ext x, Status& s);
Ext Ceil(Ext x, Status& s);
Ext Floor(Ext x, Status& s);
Ext Factorial(Ext x, Status& s);
Ext Random(Ext x, Status& s);

// With fewer than two elements these count a "Not enough parameters" notice and give NaN.
Ext Mean(std::span<const double> list, Status& s);
Ext StandardDeviation(std::span<const double> list, Status& s);
Ext Variance(std::span<const double> list, Status& s);

}  // namespace ferrolin::detail
