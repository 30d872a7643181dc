// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The 39 built-in functions: the one table that lookup, evaluation, the on-screen list and
// speech read.
#include <span>
#include <string_view>

#include "evaluator/FunctionLibrary.h"

namespace ferrolin {

struct FunctionInfo {
    int index;                // the function's number: its row in FunctionTable()
    std::string_view name;    // lower case, as typed; the list entry is name + "()"
    std::string_view phrase;  // what spoken feedback says when the entry is chosen
    int listPosition;         // row in the on-screen list (its own order, not the numbering)
    detail::Computation compute;
};

// Indexed by function number.
std::span<const FunctionInfo> FunctionTable();
// The same entries in the order of the on-screen list.
std::span<const FunctionInfo* const> FunctionsInListOrder();
// The function called `name` (whole, exact match), or null; constant time.
const FunctionInfo* LookUpFunction(std::string_view name);

}  // namespace ferrolin
