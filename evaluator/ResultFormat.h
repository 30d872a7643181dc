// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How a value and a history line are written: shared by the window and ferrolin-eval.
#include <string>
#include <string_view>
#include <vector>

namespace ferrolin {

// The number of decimal places a value is shown with: the user picks one from this range, and
// the default holds until they do. Everything that offers or checks a choice reads it here.
struct DecimalPlaces {
    static constexpr int kFewest = 1;
    static constexpr int kMost = 6;
    static constexpr int kDefault = 2;
    static constexpr bool Allowed(int places) { return places >= kFewest && places <= kMost; }
};

// The value with `decimals` places (outside DecimalPlaces: the default): 18 significant digits
// first, then half-up rounding of that decimal form; NAN, INF, -INF; exponent form from 1E18 on.
// In exponent form, with four places or fewer, the exponent is padded with zeros to that many
// digits (1E0018 with four): odd-looking, but it is how results have always been written.
std::string FormatValue(long double value, int decimals, char32_t decimalSeparator = U'.');

// A line without its leading and trailing blanks and control characters (codes 0 to 32).
std::string TrimBlanks(std::string_view line);

// The expression text of an input box: each line trimmed, joined with nothing between.
std::string ExpressionText(const std::vector<std::string>& lines);

// "expression= value", as the history shows it.
std::string HistoryLine(std::string_view expressionText, long double value, int decimals,
                        char32_t decimalSeparator = U'.');

// The error box's text: the message, plus one "." when its last character's code is above 0x2E.
// The rule is by code, not by meaning: a message ending in ")", a quote or a blank gets no full
// stop, one ending in a letter or a digit does.
std::string ErrorBoxText(std::string_view message);

}  // namespace ferrolin
