#pragma once
// ln and log10 of a positive finite x, correctly rounded. The C library's logl and log10l multiply
// by a rounded ln 2 or log10(2) and lose up to 0.8 and 1.2 units in the last place; here the
// logarithm is carried in two 80-bit numbers (about 120 bits) and rounded once.
#include "evaluator/Arithmetic.h"

namespace ferrolin::detail {

Ext NaturalLogarithm(Ext x);
Ext CommonLogarithm(Ext x);

}  // namespace ferrolin::detail
