// SPDX-License-Identifier: GPL-3.0-or-later
#include "evaluator/FunctionTable.h"

#include <array>
#include <cstdint>

#include "evaluator/Constants.h"
#include "evaluator/WideTrigonometry.h"

namespace ferrolin {

namespace {

using detail::Ext;
using detail::Status;
using List = std::span<const double>;

// Each row's computation is written in the row, so nothing has to agree with the row order.
// Every +, -, * and / is one rounded, checked step; the two-step angle conversions are one
// rounding of x times the exact ratio.
// The spoken phrases are kept exactly as users have always heard them, blanks included: the
// double blank in " grad  to radian " stays.
constexpr std::array<FunctionInfo, 39> kTable{{
    {0, "sin", " sine ", 0, [](Ext x, List, Status& s) { return detail::Checked(detail::Sine(x), x, s); }},
    {1, "cos", " cosine ", 1, [](Ext x, List, Status& s) { return detail::Checked(detail::Cosine(x), x, s); }},
    {2, "tan", " tangent ", 2, [](Ext x, List, Status& s) { return detail::Checked(detail::Tangent(x), x, s); }},
    {3, "arcsin", " inverse sine ", 5, [](Ext x, List, Status& s) { return detail::Arcsin(x, s); }},
    {4, "arccos", " inverse cosine ", 6, [](Ext x, List, Status& s) { return detail::Arccos(x, s); }},
    {5, "arctan", " inverse tangent ", 7, [](Ext x, List, Status&) { return detail::Arctan(x); }},
    {6, "cosecant", " co-secant ", 8, [](Ext x, List, Status& s) { return detail::Cosecant(x, s); }},
    {7, "secant", " secant ", 9, [](Ext x, List, Status& s) { return detail::Secant(x, s); }},
    {8, "cotangent", " co-tangent ", 10, [](Ext x, List, Status& s) { return detail::Cotangent(x, s); }},
    {9, "degtorad", " degree to radian ", 3,
     [](Ext x, List, Status& s) { return detail::Mul(x, detail::kPiOver180, s); }},
    {10, "degtograd", " degree to gradian ", 11,
     [](Ext x, List, Status& s) { return detail::DegreesToGradians(x, s); }},
    {11, "degtocycle", " degree to cycle ", 12,
     [](Ext x, List, Status& s) { return detail::DegreesToCycles(x, s); }},
    {12, "radtodeg", " radian to degree ", 4,
     [](Ext x, List, Status& s) { return detail::Mul(x, detail::k180OverPi, s); }},
    {13, "radtograd", " radian to gradian ", 13,
     [](Ext x, List, Status& s) { return detail::Mul(x, detail::k200OverPi, s); }},
    {14, "radtocycle", " radian to cycle ", 14,
     [](Ext x, List, Status& s) { return detail::Div(x, detail::kTwoPi, s); }},
    {15, "gradtodeg", " grad to degree ", 15,
     [](Ext x, List, Status& s) { return detail::GradiansToDegrees(x, s); }},
    {16, "gradtorad", " grad  to radian ", 16,
     [](Ext x, List, Status& s) { return detail::Mul(x, detail::kPiOver200, s); }},
    {17, "gradtocycle", " grad to cycle ", 17,
     [](Ext x, List, Status& s) { return detail::GradiansToCycles(x, s); }},
    {18, "cycletodeg", " cycle to degree ", 18, [](Ext x, List, Status& s) { return detail::Mul(x, 360, s); }},
    {19, "cycletorad", " cycle to radian ", 19,
     [](Ext x, List, Status& s) { return detail::Mul(x, detail::kTwoPi, s); }},
    {20, "cycletograd", " cycle to gradian ", 20, [](Ext x, List, Status& s) { return detail::Mul(x, 400, s); }},
    {21, "sinh", " sinh ", 21, [](Ext x, List, Status& s) { return detail::Sinh(x, s); }},
    {22, "cosh", " cosh ", 22, [](Ext x, List, Status& s) { return detail::Cosh(x, s); }},
    {23, "tanh", " tanh ", 23, [](Ext x, List, Status& s) { return detail::Tanh(x, s); }},
    {24, "arcsinh", " inverse sinh ", 24, [](Ext x, List, Status&) { return detail::Arcsinh(x); }},
    {25, "arccosh", " inverse cosh ", 25, [](Ext x, List, Status& s) { return detail::Arccosh(x, s); }},
    {26, "arctanh", " inverse tanh ", 26, [](Ext x, List, Status& s) { return detail::Arctanh(x, s); }},
    {27, "ln", " logarithm to base e ", 27, [](Ext x, List, Status& s) { return detail::Ln(x, s); }},
    {28, "log2", " logarithm to base 2 ", 28, [](Ext x, List, Status& s) { return detail::LogBase2(x, s); }},
    {29, "log10", " logarithm to base 10 ", 29, [](Ext x, List, Status& s) { return detail::Log10(x, s); }},
    {30, "exp", " exponential ", 30, [](Ext x, List, Status& s) { return detail::Exp(x, s); }},
    {31, "sqrt", " square root ", 31, [](Ext x, List, Status& s) { return detail::Sqrt(x, s); }},
    {32, "ceil", " ceil ", 32, [](Ext x, List, Status& s) { return detail::Ceil(x, s); }},
    {33, "floor", " floor ", 33, [](Ext x, List, Status& s) { return detail::Floor(x, s); }},
    {34, "factorial", " factorial ", 34, [](Ext x, List, Status& s) { return detail::Factorial(x, s); }},
    {35, "random", " random ", 35, [](Ext x, List, Status& s) { return detail::Random(x, s); }},
    {36, "mean", " mean ", 36, [](Ext, List list, Status& s) { return detail::Mean(list, s); }},
    {37, "stddev", " standard deviation ", 37,
     [](Ext, List list, Status& s) { return detail::StandardDeviation(list, s); }},
    {38, "variance", " variance ", 38, [](Ext, List list, Status& s) { return detail::Variance(list, s); }},
}};

constexpr bool IndicesFollowTheRows() {
    for (std::size_t i = 0; i < kTable.size(); ++i)
        if (kTable[i].index != static_cast<int>(i)) return false;
    return true;
}
static_assert(IndicesFollowTheRows());

constexpr std::array<const FunctionInfo*, 39> MakeListOrder() {
    std::array<const FunctionInfo*, 39> order{};
    for (const FunctionInfo& f : kTable) order[f.listPosition] = &f;
    return order;
}
constexpr std::array<const FunctionInfo*, 39> kListOrder = MakeListOrder();

// Lookup by a perfect hash: the second, middle and last characters and the length pick one of
// 128 slots, and no two names share a slot (checked below), so one comparison decides.
constexpr std::size_t kSlots = 128;
constexpr std::size_t kShortest = 2, kLongest = 11;

template <typename Char>
constexpr std::size_t Slot(std::basic_string_view<Char> name) {
    const auto at = [&](std::size_t i) { return static_cast<std::size_t>(name[i]); };
    return (at(1) + 3 * at(name.size() / 2) + at(name.size() - 1) + 10 * name.size()) % kSlots;
}

constexpr std::array<std::int8_t, kSlots> MakeSlots() {
    std::array<std::int8_t, kSlots> slots{};
    for (auto& s : slots) s = -1;
    for (const FunctionInfo& f : kTable) {
        const std::size_t slot = Slot(f.name);
        if (slots[slot] >= 0) return {};  // a collision: the check below reports it
        slots[slot] = static_cast<std::int8_t>(f.index);
    }
    return slots;
}
constexpr std::array<std::int8_t, kSlots> kSlotTable = MakeSlots();

constexpr bool EveryNameHasItsOwnSlot() {
    for (const FunctionInfo& f : kTable)
        if (f.name.size() < kShortest || f.name.size() > kLongest || kSlotTable[Slot(f.name)] != f.index) return false;
    return true;
}
static_assert(EveryNameHasItsOwnSlot());

template <typename Char>
const FunctionInfo* Find(std::basic_string_view<Char> name) {
    if (name.size() < kShortest || name.size() > kLongest) return nullptr;
    const int index = kSlotTable[Slot(name)];
    if (index < 0) return nullptr;
    const FunctionInfo& f = kTable[static_cast<std::size_t>(index)];
    if (f.name.size() != name.size()) return nullptr;
    for (std::size_t i = 0; i < name.size(); ++i)
        if (static_cast<Char>(static_cast<unsigned char>(f.name[i])) != name[i]) return nullptr;
    return &f;
}

}  // namespace

std::span<const FunctionInfo> FunctionTable() { return kTable; }
std::span<const FunctionInfo* const> FunctionsInListOrder() { return kListOrder; }

const FunctionInfo* LookUpFunction(std::string_view name) { return Find(name); }

}  // namespace ferrolin
