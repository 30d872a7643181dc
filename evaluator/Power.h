#pragma once
// The two power operations behind "^".

namespace ferrolin::detail {

// b to a whole exponent k (any integral value, not only 32-bit ones). The result is exact where
// square-and-multiply is, and lands inside the format whenever the true power does, even when
// the positive power on the way would not.
long double IntegerPower(long double b, long double k);

// b to a non-integral y: 0 for b = 0, else 2^(y * (ln 2 * log2 b) * log2 e).
long double GeneralPower(long double b, long double y);

}  // namespace ferrolin::detail
