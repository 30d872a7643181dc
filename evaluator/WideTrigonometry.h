// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// sin, cos and tan correctly rounded. glibc's sinl and cosl miss by up to 0.97 units in the last
// place and tanl by 1.5; binary128 costs thirty times as much, and these are common. Here, for
// |x| < 2^20, the argument is reduced by a 196-bit pi/2 and the result carried in two 80-bit
// numbers to about 2^-72 of itself; only an argument whose rounding that cannot settle (about
// one in five hundred), and larger ones, go to binary128.
#include "evaluator/Arithmetic.h"

namespace ferrolin::detail {

// For every x; NaN for infinities and NaN, as the C library gives.
Ext Sine(Ext x);
Ext Cosine(Ext x);
Ext Tangent(Ext x);

}  // namespace ferrolin::detail
