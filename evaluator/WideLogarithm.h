// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// ln, log10 and log2 of a positive finite x, correctly rounded. The C library's logl and log10l
// multiply by a rounded ln 2 or log10(2) and lose up to 0.8 and 1.2 units in the last place
// (log2l 0.6); here the logarithm is carried in two 80-bit numbers (about 120 bits) and rounded
// once, and the rare argument whose rounding that cannot settle goes to binary128.
#include "evaluator/Arithmetic.h"

namespace ferrolin::detail {

Ext NaturalLogarithm(Ext x);
Ext CommonLogarithm(Ext x);
Ext BinaryLogarithm(Ext x);

}  // namespace ferrolin::detail
