#pragma once
// Extended-precision steps with the calculator's error model: an invalid operation, a division
// of a finite number by zero and an overflow each end the evaluation with a fixed message;
// underflow and inexact results pass silently. The checks look at operands and result instead
// of the processor's sticky flags, so they hold at every optimisation level and whatever code
// ran before.
#include <cmath>
#include <csetjmp>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

namespace ferrolin::detail {

using Ext = long double;
static_assert(std::numeric_limits<Ext>::digits == 64, "long double must be the 80-bit x87 format");

// Where a failure goes. Unwinding a deep recursion by throwing costs tens of thousands of
// instructions, more than a whole evaluation; so an evaluation in progress on this thread
// registers a target, failures jump straight back to it, and it throws from there. The frames
// in between hold only trivially destructible objects. Without a target, failures throw.
struct FailureTarget {
    std::jmp_buf resume;
    std::string message;
};

class FailureScope {
public:
    explicit FailureScope(FailureTarget* target);
    ~FailureScope();
    FailureScope(const FailureScope&) = delete;
    FailureScope& operator=(const FailureScope&) = delete;

private:
    FailureTarget* previous_;
};

// The target of the evaluation running on this thread, or null.
FailureTarget* CurrentFailureTarget();

// Ends the evaluation with `message` (built from up to three pieces).
[[noreturn]] void Raise(std::string_view message, std::string_view more = {}, std::string_view rest = {});

[[noreturn]] void RaiseInvalid();
[[noreturn]] void RaiseDivisionByZero();
[[noreturn]] void RaiseOverflow();

// Clears the processor's pending exception flags (x87 and SSE), leaving every setting alone.
void ClearFloatingPointFlags();

inline bool IsNan(Ext x) { return __builtin_isnan(x); }
inline bool IsFinite(Ext x) { return __builtin_isfinite(x); }

// Classifies a non-finite result of a step whose operands were a and b.
inline void CheckStep(Ext r, Ext a, Ext b) {
    if (IsFinite(r)) return;
    if (IsNan(r)) {
        if (!IsNan(a) && !IsNan(b)) RaiseInvalid();
    } else if (IsFinite(a) && IsFinite(b)) {
        RaiseOverflow();
    }
}

// A one-operand step: a NaN out of a non-NaN argument is an invalid operation.
inline Ext Checked(Ext r, Ext x) {
    if (IsNan(r) && !IsNan(x)) RaiseInvalid();
    return r;
}

inline Ext Add(Ext a, Ext b) { Ext r = a + b; CheckStep(r, a, b); return r; }
inline Ext Sub(Ext a, Ext b) { Ext r = a - b; CheckStep(r, a, b); return r; }
inline Ext Mul(Ext a, Ext b) { Ext r = a * b; CheckStep(r, a, b); return r; }
inline Ext Div(Ext a, Ext b) {
    Ext r = a / b;
    if (!IsFinite(r)) {
        if (IsNan(r)) {
            if (!IsNan(a) && !IsNan(b)) RaiseInvalid();
        } else if (IsFinite(a) && IsFinite(b)) {
            if (b == 0) RaiseDivisionByZero();
            RaiseOverflow();
        }
    }
    return r;
}

// An ordered comparison: a NaN operand is an invalid operation.
inline void RequireOrdered(Ext x) {
    if (IsNan(x)) RaiseInvalid();
}

inline Ext Sqrt(Ext x) {
    if (x < 0) RaiseInvalid();
    return __builtin_sqrtl(x);
}

// log2 of x: 0 divides by zero, negatives and -infinity are invalid, NaN passes.
Ext Log2(Ext x);

// 2^t as the processor forms it: t split into a nearest integer n and f = t - n (|f| <= 1/2),
// then ((2^f - 1) + 1) scaled exactly by 2^n. Overflow is an error, underflow goes to 0 quietly.
Ext Pow2(Ext t);

// Truncation toward zero / rounding to nearest (ties to even) to a signed 64-bit integer;
// NaN, infinities and values outside the range are invalid.
std::int64_t TruncateToInt64(Ext x);
std::int64_t RoundToInt64(Ext x);

}  // namespace ferrolin::detail
