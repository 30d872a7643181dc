#include "evaluator/Arithmetic.h"

#include <cfenv>

#include "evaluator/EvaluationError.h"

namespace ferrolin::detail {

namespace {
thread_local FailureTarget* tTarget = nullptr;
}

FailureScope::FailureScope(FailureTarget* target) : previous_(tTarget) { tTarget = target; }
FailureScope::~FailureScope() { tTarget = previous_; }
FailureTarget* CurrentFailureTarget() { return tTarget; }

void Raise(std::string_view message, std::string_view more, std::string_view rest) {
    FailureTarget* target = tTarget;
    if (!target) {
        std::string text;
        text.append(message).append(more).append(rest);
        throw EvaluationError(text);
    }
    target->message.assign(message).append(more).append(rest);
    std::longjmp(target->resume, 1);
}

void RaiseInvalid() { Raise(kInvalidOperation); }
void RaiseDivisionByZero() { Raise(kDivisionByZero); }
void RaiseOverflow() { Raise(kOverflow); }

void ClearFloatingPointFlags() {
#if defined(__x86_64__) || defined(__i386__)
    // fnclex and an MXCSR rewrite are a few cycles; feclearexcept saves and reloads the whole
    // x87 environment, which costs more than a short evaluation.
    __asm__ volatile("fnclex");
    unsigned int csr;
    __asm__ volatile("stmxcsr %0" : "=m"(csr));
    if (csr & 0x3Fu) {
        csr &= ~0x3Fu;
        __asm__ volatile("ldmxcsr %0" : : "m"(csr));
    }
#else
    std::feclearexcept(FE_ALL_EXCEPT);
#endif
}

Ext Log2(Ext x) {
    if (IsNan(x)) return x;
    if (x == 0) RaiseDivisionByZero();
    if (x < 0) RaiseInvalid();
    return __builtin_log2l(x);
}

namespace {

// 2^f - 1 for |f| <= 1/2, by the processor's own instruction where there is one.
inline Ext TwoToTheMinusOne(Ext f) {
#if defined(__x86_64__) || defined(__i386__)
    Ext r;
    __asm__("f2xm1" : "=t"(r) : "0"(f));
    return r;
#else
    return __builtin_expm1l(f * 0.693147180559945309417232121458176568L);
#endif
}

}  // namespace

Ext Pow2(Ext t) {
    const Ext n = __builtin_rintl(t);
    const Ext f = Sub(t, n);  // an infinite t makes this infinity minus infinity
    const Ext r = TwoToTheMinusOne(f) + 1;
    if (IsNan(r)) return r;
    // Beyond these bounds the scaling leaves the format whatever r is (r lies in [0.7, 1.5]).
    if (n > 40000) RaiseOverflow();
    if (n < -40000) return 0;
    const Ext scaled = __builtin_scalbnl(r, static_cast<int>(n));
    if (!IsFinite(scaled)) RaiseOverflow();
    return scaled;
}

std::int64_t TruncateToInt64(Ext x) {
    if (!(x >= -0x1p63L && x < 0x1p63L)) RaiseInvalid();
    return static_cast<std::int64_t>(x);
}

std::int64_t RoundToInt64(Ext x) {
    RequireOrdered(x);
    const Ext r = __builtin_rintl(x);
    if (!(r >= -0x1p63L && r < 0x1p63L)) RaiseInvalid();
    return static_cast<std::int64_t>(r);
}

}  // namespace ferrolin::detail
