// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Extended-precision steps with the calculator's error model: an invalid operation, a division
// of a finite number by zero and an overflow each end the evaluation with a fixed message;
// underflow and inexact results pass silently. The checks look at operands and result instead
// of the processor's sticky flags, so they hold at every optimisation level and whatever code
// ran before.
//
// A failing step records its kind in the evaluation's Status and returns a value that is never
// used: the reader tests the status after every step and stops there. Nothing unwinds or jumps,
// so every frame on the way back runs its destructors as usual.
#include <cmath>
#include <cstdint>
#include <limits>

#include "evaluator/EvaluationError.h"

namespace ferrolin::detail {

using Ext = long double;
static_assert(std::numeric_limits<Ext>::digits == 64, "long double must be the 80-bit x87 format");

class RandomSource;

// What one evaluation has met so far: its first failure, and how many "Not enough parameters"
// notices it owes its caller; and where its random() calls draw from.
struct Status {
    bool failed = false;
    ErrorKind kind = ErrorKind::InvalidOperation;
    int notices = 0;
    RandomSource* random = nullptr;  // null: the program's shared source
};

// Records `kind` unless an earlier failure is already recorded. Kept out of line: failing is rare.
[[gnu::cold, gnu::noinline]] void Fail(Status& status, ErrorKind kind);
[[gnu::cold, gnu::noinline]] Ext FailInvalid(Status& status);
[[gnu::cold, gnu::noinline]] Ext FailDivisionByZero(Status& status);
[[gnu::cold, gnu::noinline]] Ext FailOverflow(Status& status);

// Clears the processor's pending exception flags (x87 and SSE), leaving every setting alone.
void ClearFloatingPointFlags();

inline bool IsNan(Ext x) { return __builtin_isnan(x); }
inline bool IsFinite(Ext x) { return __builtin_isfinite(x); }
inline Ext Abs(Ext x) { return __builtin_fabsl(x); }

// x truncated toward zero as the processor's conversion gives it, read from the bits: that
// instruction needs the rounding mode switched there and back.
inline std::int64_t TruncatedFromBits(Ext x) {
    std::uint64_t significand;
    std::uint16_t signAndExponent;
    __builtin_memcpy(&significand, &x, 8);
    __builtin_memcpy(&signAndExponent, reinterpret_cast<const unsigned char*>(&x) + 8, 2);
    const int exponent = (signAndExponent & 0x7FFF) - 16383;
    if (exponent < 0) return 0;
    if (exponent >= 63) return INT64_MIN;  // what the instruction gives beyond the range and for NaN
    const auto magnitude = static_cast<std::int64_t>(significand >> (63 - exponent));
    return (signAndExponent & 0x8000) ? -magnitude : magnitude;
}

// Whether a finite x is a whole number, read from its bits: rounding it with the processor's
// instruction switches the rounding mode there and back, which costs more than a whole power.
inline bool IsWhole(Ext x) {
    std::uint64_t significand;
    std::uint16_t signAndExponent;
    __builtin_memcpy(&significand, &x, 8);
    __builtin_memcpy(&signAndExponent, reinterpret_cast<const unsigned char*>(&x) + 8, 2);
    const int exponent = (signAndExponent & 0x7FFF) - 16383;
    if (exponent >= 63) return true;
    if (exponent < 0) return significand == 0;  // zero, or below 1 in size
    return (significand << (exponent + 1)) == 0;  // no bit below the units
}

// Classifies a non-finite result of a step whose operands were a and b.
inline Ext CheckStep(Ext r, Ext a, Ext b, Status& s) {
    if (IsFinite(r)) [[likely]]
        return r;
    if (IsNan(r)) {
        if (!IsNan(a) && !IsNan(b)) return FailInvalid(s);
    } else if (IsFinite(a) && IsFinite(b)) {
        return FailOverflow(s);
    }
    return r;
}

// A one-operand step: a NaN out of a non-NaN argument is an invalid operation.
inline Ext Checked(Ext r, Ext x, Status& s) {
    if (IsNan(r) && !IsNan(x)) return FailInvalid(s);
    return r;
}

inline Ext Add(Ext a, Ext b, Status& s) { return CheckStep(a + b, a, b, s); }
inline Ext Sub(Ext a, Ext b, Status& s) { return CheckStep(a - b, a, b, s); }
inline Ext Mul(Ext a, Ext b, Status& s) { return CheckStep(a * b, a, b, s); }
inline Ext Div(Ext a, Ext b, Status& s) {
    const Ext r = a / b;
    if (IsFinite(r)) [[likely]]
        return r;
    if (IsNan(r)) {
        if (!IsNan(a) && !IsNan(b)) return FailInvalid(s);
    } else if (IsFinite(a) && IsFinite(b)) {
        return b == 0 ? FailDivisionByZero(s) : FailOverflow(s);
    }
    return r;
}

// An ordered comparison: a NaN operand is an invalid operation. False when it failed.
inline bool RequireOrdered(Ext x, Status& s) {
    if (IsNan(x)) [[unlikely]] {
        FailInvalid(s);
        return false;
    }
    return true;
}

inline Ext Sqrt(Ext x, Status& s) {
    if (x < 0) return FailInvalid(s);
    return __builtin_sqrtl(x);
}

// log2 of x: 0 divides by zero, negatives and -infinity are invalid, NaN passes.
Ext Log2(Ext x, Status& s);

// Truncation toward zero / rounding to nearest (ties to even) to a signed 64-bit integer;
// NaN, infinities and values outside the range are invalid (and give 0).
std::int64_t TruncateToInt64(Ext x, Status& s);
std::int64_t RoundToInt64(Ext x, Status& s);

}  // namespace ferrolin::detail
