// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <optional>

namespace ferrolin {

// What an evaluation needs to know from its caller. The maths never reads global settings.
struct EvaluatorOptions {
    // Decimal separator of the elements of a comma list, as in mean(1.5,2). Single operands
    // always use ".". Default: "." (the C locale's).
    char32_t decimalSeparator = U'.';

    // With a seed, random() draws the same numbers in the same order on every run, so tests and
    // reports can be repeated; the draws still advance from call to call. Without one (the
    // program's choice) every evaluator draws from one source seeded from the system's entropy.
    std::optional<std::uint64_t> randomSeed;
};

}  // namespace ferrolin
