// SPDX-License-Identifier: GPL-3.0-or-later
#include "evaluator/Arithmetic.h"

#include <cfenv>

namespace ferrolin::detail {

void Fail(Status& status, ErrorKind kind) {
    if (status.failed) return;
    status.failed = true;
    status.kind = kind;
}

Ext FailInvalid(Status& status) {
    Fail(status, ErrorKind::InvalidOperation);
    return 0;
}
Ext FailDivisionByZero(Status& status) {
    Fail(status, ErrorKind::DivisionByZero);
    return 0;
}
Ext FailOverflow(Status& status) {
    Fail(status, ErrorKind::Overflow);
    return 0;
}

void ClearFloatingPointFlags() {
#if defined(__x86_64__) || defined(__i386__)
    // feclearexcept saves and reloads the whole x87 environment, which costs more than a short
    // evaluation; fnclex alone still costs a few times what reading the status word does, and
    // evaluations in whole numbers raise no flag at all.
    std::uint16_t status;
    __asm__ volatile("fnstsw %0" : "=a"(status));
    constexpr std::uint16_t kExceptionBits = 0xFF;  // the six flags, stack fault, summary
    if (status & kExceptionBits) __asm__ volatile("fnclex");
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

Ext Log2(Ext x, Status& s) {
    if (IsNan(x)) return x;
    if (x == 0) return FailDivisionByZero(s);
    if (x < 0) return FailInvalid(s);
    return __builtin_log2l(x);
}

std::int64_t TruncateToInt64(Ext x, Status& s) {
    if (!(x >= -0x1p63L && x < 0x1p63L)) {
        FailInvalid(s);
        return 0;
    }
    return static_cast<std::int64_t>(x);
}

std::int64_t RoundToInt64(Ext x, Status& s) {
    if (!RequireOrdered(x, s)) return 0;
    const Ext r = __builtin_rintl(x);
    if (!(r >= -0x1p63L && r < 0x1p63L)) {
        FailInvalid(s);
        return 0;
    }
    return static_cast<std::int64_t>(r);
}

}  // namespace ferrolin::detail
