// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// e^x correctly rounded for a finite x. glibc's expl misses by up to 0.7 units in the last place;
// here x is reduced by a 152-bit ln 2 / 64 and e^x carried in two 80-bit numbers, and only an
// argument whose rounding that cannot settle, or whose result falls among the denormals, goes
// to binary128. Gives infinity where the result lies beyond the format, 0 far below it.
#include "evaluator/Arithmetic.h"

namespace ferrolin::detail {

Ext Exponential(Ext x);

}  // namespace ferrolin::detail
