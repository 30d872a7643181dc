// SPDX-License-Identifier: GPL-3.0-or-later
#include "evaluator/ResultFormat.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "evaluator/Utf8.h"

namespace ferrolin {

namespace {

constexpr int kSignificantDigits = 18;

// The magnitude's 18 significant decimal digits, correctly rounded (ties to even), and the
// number of digits before the decimal point.
void DecimalDigits(long double magnitude, std::string& digits, int& integerDigits) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*Le", kSignificantDigits - 1, magnitude);
    // buffer: d.ddddddddddddddddde[+-]x...
    digits.clear();
    const char* p = buffer;
    for (; *p && *p != 'e'; ++p)
        if (*p >= '0' && *p <= '9') digits.push_back(*p);
    integerDigits = (*p == 'e') ? std::atoi(p + 1) + 1 : 1;
}

void AppendZeros(std::string& out, int count) { out.append(count > 0 ? count : 0, '0'); }

std::string Zero(int decimals, char32_t separator) {
    std::string out = "0";
    AppendUtf8(out, separator);
    AppendZeros(out, decimals);
    return out;
}

}  // namespace

std::string FormatValue(long double value, int decimals, char32_t decimalSeparator) {
    if (!DecimalPlaces::Allowed(decimals)) decimals = DecimalPlaces::kDefault;
    if (std::isnan(value)) return "NAN";
    if (std::isinf(value)) return value > 0 ? "INF" : "-INF";
    if (value == 0 || std::fpclassify(value) == FP_SUBNORMAL) return Zero(decimals, decimalSeparator);

    const bool negative = value < 0;
    std::string digits;
    int e;
    DecimalDigits(negative ? -value : value, digits, e);

    std::string out;
    if (negative) out.push_back('-');
    if (e > kSignificantDigits) {
        // Exponent form: all 18 digits are kept, so no rounding happens here.
        std::size_t last = digits.find_last_not_of('0');
        out.push_back(digits[0]);
        if (last != std::string::npos && last > 0) {
            AppendUtf8(out, decimalSeparator);
            out.append(digits, 1, last);
        }
        out.push_back('E');
        std::string exponent = std::to_string(e - 1);
        if (decimals <= 4 && static_cast<int>(exponent.size()) < decimals)
            exponent.insert(0, decimals - exponent.size(), '0');
        out += exponent;
        return out;
    }

    // Keep the first e + decimals digits; a dropped first digit of 5 or more rounds up.
    const int keep = std::min(e + decimals, kSignificantDigits);
    if (keep < 0) return Zero(decimals, decimalSeparator);
    std::string kept = digits.substr(0, static_cast<std::size_t>(keep));
    if (keep < kSignificantDigits && digits[static_cast<std::size_t>(keep)] >= '5') {
        int i = keep - 1;
        while (i >= 0 && kept[static_cast<std::size_t>(i)] == '9') kept[static_cast<std::size_t>(i--)] = '0';
        if (i >= 0) {
            ++kept[static_cast<std::size_t>(i)];
        } else {
            kept.insert(kept.begin(), '1');
            ++e;
        }
    }
    if (kept.find_first_not_of('0') == std::string::npos) return Zero(decimals, decimalSeparator);

    // Digit k of `kept` stands for 10^(e - 1 - k); digits outside it are zeros.
    auto digitAt = [&](int k) { return (k >= 0 && k < static_cast<int>(kept.size())) ? kept[k] : '0'; };
    if (e <= 0) {
        out.push_back('0');
    } else {
        for (int k = 0; k < e; ++k) out.push_back(digitAt(k));
    }
    AppendUtf8(out, decimalSeparator);
    for (int k = e; k < e + decimals; ++k) out.push_back(digitAt(k));
    return out;
}

std::string TrimBlanks(std::string_view line) {
    std::size_t begin = 0, end = line.size();
    while (begin < end && static_cast<unsigned char>(line[begin]) <= 32) ++begin;
    while (end > begin && static_cast<unsigned char>(line[end - 1]) <= 32) --end;
    return std::string(line.substr(begin, end - begin));
}

std::string ExpressionText(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += TrimBlanks(line);
    return text;
}

std::string HistoryLine(std::string_view expressionText, long double value, int decimals, char32_t decimalSeparator) {
    std::string line(expressionText);
    line += "= ";
    line += FormatValue(value, decimals, decimalSeparator);
    return line;
}

std::string ErrorBoxText(std::string_view message) {
    std::string text(message);
    const std::optional<char32_t> last = LastCodePoint(message);
    if (last && *last > 0x2E) text.push_back('.');
    return text;
}

}  // namespace ferrolin
