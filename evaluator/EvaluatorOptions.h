#pragma once
#include <functional>
#include <string>

namespace ferrolin {

// What an evaluation needs to know from its caller. The maths never reads global settings.
struct EvaluatorOptions {
    // Decimal separator of the elements of a comma list, as in mean(1.5,2). Single operands
    // always use ".". Default: "." (the C locale's).
    char32_t decimalSeparator = U'.';

    // Receives kNotEnoughParameters when mean, stddev or variance gets fewer than two values.
    // The evaluation then goes on with NaN. Default: none (the notice is dropped).
    std::function<void(const std::string& notice)> onNotice;
};

}  // namespace ferrolin
