#pragma once
// The computation of each built-in function, by its number in the function table.
#include <functional>
#include <span>
#include <string>

namespace ferrolin::detail {

using NoticeSink = std::function<void(const std::string&)>;

// Applies function `index` (0 to 38) to x. The statistical functions (36 to 38) ignore x and
// read `parameters`; with fewer than two they send kNotEnoughParameters to `notice` and give NaN.
long double ApplyFunction(int index, long double x, std::span<const double> parameters, const NoticeSink& notice);

}  // namespace ferrolin::detail
