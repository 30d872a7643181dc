#pragma once
// tan x correctly rounded. glibc's tanl misses by up to 1.4 units in the last place; binary128
// costs thirty times as much, and tan is common. Here, for |x| < 2^20, the argument is reduced
// by a 196-bit pi/2 and the tangent carried in two 80-bit numbers to about 2^-74 of itself;
// only an argument whose rounding that cannot settle (about one in five hundred), and larger
// ones, go to binary128.
#include "evaluator/Arithmetic.h"

namespace ferrolin::detail {

// For every finite or infinite x; NaN for infinities, as tanl gives.
Ext Tangent(Ext x);

}  // namespace ferrolin::detail
