// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Stored constants, as exact 80-bit values: significand (with its explicit integer bit) times a
// power of two read off the exponent field. The comment after each gives the exponent word and
// significand as they sit in memory.
//
// They are used exactly as stored and never recomputed, so every result that goes through one
// is the same on every machine and in every release. Two of them are deliberately one unit in
// the last place below the correctly rounded value: e (…4A9A, not …4A9B) and 200/π (…6111, not
// …6112). Every result computed through them carries that last bit; "correcting" either would
// change answers users have already written down. StoredConstantsTest pins every bit.

namespace ferrolin::detail {

inline constexpr long double kPi = 0xC90FDAA22168C235p-62L;          // 4000 C90FDAA22168C235
inline constexpr long double kE = 0xADF85458A2BB4A9Ap-62L;           // 4000 ADF85458A2BB4A9A, one unit low
inline constexpr long double kPiOver180 = 0x8EFA351294E9C8AEp-69L;   // 3FF9 8EFA351294E9C8AE
inline constexpr long double k180OverPi = 0xE52EE0D31E0FBDC3p-58L;   // 4004 E52EE0D31E0FBDC3
inline constexpr long double k200OverPi = 0xFEA5DD5C5A4A6111p-58L;   // 4004 FEA5DD5C5A4A6111, one unit low
inline constexpr long double kTwoPi = 0xC90FDAA22168C235p-61L;       // 4001 C90FDAA22168C235
inline constexpr long double kPiOver200 = 0x80ADFC90B938CE36p-69L;   // 3FF9 80ADFC90B938CE36
// The closeness threshold, the nearest value to 1/10^16: within it of 0 the hyperbolic functions
// give their value at 0, within it of ±1 arctanh gives ±infinity.
inline constexpr long double kCloseness = 0xE69594BEC44DE15Bp-117L;  // 3FC9 E69594BEC44DE15B

}  // namespace ferrolin::detail
