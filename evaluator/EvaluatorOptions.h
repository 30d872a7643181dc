#pragma once

namespace ferrolin {

// What an evaluation needs to know from its caller. The maths never reads global settings.
struct EvaluatorOptions {
    // Decimal separator of the elements of a comma list, as in mean(1.5,2). Single operands
    // always use ".". Default: "." (the C locale's).
    char32_t decimalSeparator = U'.';
};

}  // namespace ferrolin
