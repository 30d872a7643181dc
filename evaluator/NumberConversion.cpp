// SPDX-License-Identifier: GPL-3.0-or-later
#include "evaluator/NumberConversion.h"

#include <cstdint>

#include "evaluator/Arithmetic.h"
#include "evaluator/PowersOfTen.h"
#include "evaluator/Utf8.h"

namespace ferrolin::detail {

namespace {

inline bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Digits accumulated beyond this magnitude cannot change a value that still fits the format by
// more than rounding; they only move the decimal exponent, so long digit strings never overflow
// on their way to a representable value.
constexpr Ext kAccumulationLimit = 1e4900L;
constexpr std::int64_t kExponentCap = 1'000'000;  // far beyond every representable value

// The digits as v := v * 10 + d, rounded at each step, and the power of ten still to apply.
// While v stays below 2^64 every step is exact, so whole 64-bit integers stand in for the
// first nineteen digits.
struct Mantissa {
    std::uint64_t whole = 0;
    int wholeDigits = 0;
    Ext value = 0;
    bool inWhole = true;
    std::int64_t exponent = 0;
    int digits = 0;

    void Add(char c, bool fraction) {
        ++digits;
        const int d = c - '0';
        if (inWhole) {
            if (wholeDigits < 19) {
                whole = whole * 10 + static_cast<unsigned>(d);
                ++wholeDigits;
                if (fraction) --exponent;
                return;
            }
            value = static_cast<Ext>(whole);
            inWhole = false;
        }
        if (value < kAccumulationLimit) {
            value = value * 10 + d;
            if (fraction) --exponent;
        } else if (!fraction) {
            ++exponent;
        }
    }
    Ext Value() const { return inWhole ? static_cast<Ext>(whole) : value; }
};

// v * 10^e by at most three stored powers, smallest first; |e| < 5120. Multiplying only grows and
// dividing only shrinks a finite v, so the one check the callers make at the end sees every overflow.
Ext ScaleByPowerOfTen(Ext v, std::int64_t e) {
    if (e == 0) return v;
    const bool down = e < 0;
    const std::int64_t a = down ? -e : e;
    const Ext factors[3] = {kPow10Small[a % 32], kPow10Mid[(a / 32) % 16], kPow10Big[a / 512]};
    for (Ext f : factors) {
        if (f == 1) continue;
        v = down ? v / f : v * f;
    }
    return v;
}

// The scaled value, or infinity when it leaves the format.
Ext Scale(Ext v, std::int64_t e) {
    if (v == 0) return 0;
    if (e >= 5120) return __builtin_infl();
    if (e <= -5120) return 0;
    return ScaleByPowerOfTen(v, e);
}

}  // namespace

bool ReadFixedNumber(std::string_view text, long double& value, Status& s) {
    const char* p = text.data();
    const char* const end = p + text.size();
    // The common case first: up to nineteen digits, at most one point, no exponent.
    std::uint64_t whole = 0;
    int digits = 0;
    std::int64_t scale = 0;
    while (p < end && IsDigit(*p) && digits < 19) whole = whole * 10 + static_cast<unsigned>(*p++ - '0'), ++digits;
    if (p < end && *p == '.' && digits < 19) {
        ++p;
        while (p < end && IsDigit(*p) && digits < 19) whole = whole * 10 + static_cast<unsigned>(*p++ - '0'), ++digits, --scale;
    }
    if (p == end) {
        if (digits == 0) return false;
        // At most nineteen decimals: one division by an exact power of ten, the one step
        // ScaleByPowerOfTen would take, without its walk over three factors.
        const Ext digitsValue = static_cast<Ext>(whole);
        value = scale == 0 ? digitsValue : digitsValue / kPow10Small[-scale];
        return true;
    }

    std::size_t i = 0;
    const std::size_t n = text.size();
    Mantissa m;
    while (i < n && IsDigit(text[i])) m.Add(text[i++], false);
    if (i < n && text[i] == '.') {
        ++i;
        while (i < n && IsDigit(text[i])) m.Add(text[i++], true);
    }
    if (m.digits == 0) return false;
    std::int64_t exponent = 0;
    if (i < n && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i >= n || !IsDigit(text[i])) return false;
        while (i < n && IsDigit(text[i])) {
            exponent = exponent * 10 + (text[i++] - '0');
            if (exponent > kExponentCap) exponent = kExponentCap;
        }
    }
    if (i != n) return false;
    const Ext v = Scale(m.Value(), exponent + m.exponent);
    value = IsFinite(v) ? v : FailOverflow(s);
    return true;
}

double ReadListElement(std::string_view text, char32_t separator, Status& s) {
    std::size_t i = 0;
    const std::size_t n = text.size();
    auto invalid = [&]() {
        Fail(s, ErrorKind::NotValidFloat);
        return 0.0;
    };
    char encoded[4];
    const std::string_view separatorText(encoded, EncodeUtf8(separator, encoded));
    while (i < n && text[i] == ' ') ++i;
    bool negative = false;
    if (i < n && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    Mantissa m;
    bool separatorSeen = false;
    while (i < n && IsDigit(text[i])) m.Add(text[i++], false);
    if (text.substr(i, separatorText.size()) == separatorText) {
        separatorSeen = true;
        i += separatorText.size();
        while (i < n && IsDigit(text[i])) m.Add(text[i++], true);
    }
    if (m.digits == 0 && !separatorSeen) return invalid();
    std::int64_t exponent = 0;
    if (i < n && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        bool negativeExponent = false;
        if (i < n && (text[i] == '+' || text[i] == '-')) negativeExponent = text[i++] == '-';
        while (i < n && IsDigit(text[i]) && exponent < 500) exponent = exponent * 10 + (text[i++] - '0');
        if (negativeExponent) exponent = -exponent;
    }
    while (i < n && text[i] == ' ') ++i;
    if (i != n) return invalid();

    // Formed with every condition masked: a value that leaves the format makes the text invalid.
    Ext v = Scale(m.Value(), exponent + m.exponent);
    if (!IsFinite(v)) return invalid();
    if (negative) v = -v;
    const double stored = static_cast<double>(v);
    if (!IsFinite(stored)) return static_cast<double>(FailOverflow(s));
    return stored;
}

}  // namespace ferrolin::detail
