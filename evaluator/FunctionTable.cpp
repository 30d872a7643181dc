#include "evaluator/FunctionTable.h"

#include <algorithm>
#include <array>

namespace ferrolin {

namespace {

constexpr std::array<FunctionInfo, 39> kTable{{
    {0, "sin", " sine ", 0},
    {1, "cos", " cosine ", 1},
    {2, "tan", " tangent ", 2},
    {3, "arcsin", " inverse sine ", 5},
    {4, "arccos", " inverse cosine ", 6},
    {5, "arctan", " inverse tangent ", 7},
    {6, "cosecant", " co-secant ", 8},
    {7, "secant", " secant ", 9},
    {8, "cotangent", " co-tangent ", 10},
    {9, "degtorad", " degree to radian ", 3},
    {10, "degtograd", " degree to gradian ", 11},
    {11, "degtocycle", " degree to cycle ", 12},
    {12, "radtodeg", " radian to degree ", 4},
    {13, "radtograd", " radian to gradian ", 13},
    {14, "radtocycle", " radian to cycle ", 14},
    {15, "gradtodeg", " grad to degree ", 15},
    {16, "gradtorad", " grad  to radian ", 16},
    {17, "gradtocycle", " grad to cycle ", 17},
    {18, "cycletodeg", " cycle to degree ", 18},
    {19, "cycletorad", " cycle to radian ", 19},
    {20, "cycletograd", " cycle to gradian ", 20},
    {21, "sinh", " sinh ", 21},
    {22, "cosh", " cosh ", 22},
    {23, "tanh", " tanh ", 23},
    {24, "arcsinh", " inverse sinh ", 24},
    {25, "arccosh", " inverse cosh ", 25},
    {26, "arctanh", " inverse tanh ", 26},
    {27, "ln", " logarithm to base e ", 27},
    {28, "log2", " logarithm to base 2 ", 28},
    {29, "log10", " logarithm to base 10 ", 29},
    {30, "exp", " exponential ", 30},
    {31, "sqrt", " square root ", 31},
    {32, "ceil", " ceil ", 32},
    {33, "floor", " floor ", 33},
    {34, "factorial", " factorial ", 34},
    {35, "random", " random ", 35},
    {36, "mean", " mean ", 36},
    {37, "stddev", " standard deviation ", 37},
    {38, "variance", " variance ", 38},
}};

constexpr std::array<const FunctionInfo*, 39> MakeListOrder() {
    std::array<const FunctionInfo*, 39> order{};
    for (const FunctionInfo& f : kTable) order[f.listPosition] = &f;
    return order;
}
constexpr std::array<const FunctionInfo*, 39> kListOrder = MakeListOrder();

template <typename Char>
int Find(std::basic_string_view<Char> name) {
    // Names are 2 to 11 characters; comparing lengths first rejects almost every entry at once.
    if (name.size() < 2 || name.size() > 11) return -1;
    for (const FunctionInfo& f : kTable) {
        if (f.name.size() != name.size()) continue;
        if (std::equal(f.name.begin(), f.name.end(), name.begin(),
                       [](char a, Char b) { return static_cast<Char>(static_cast<unsigned char>(a)) == b; }))
            return f.index;
    }
    return -1;
}

}  // namespace

std::span<const FunctionInfo> FunctionTable() { return kTable; }
std::span<const FunctionInfo* const> FunctionsInListOrder() { return kListOrder; }

const std::vector<std::string>& FunctionNames() {
    static const std::vector<std::string> names = [] {
        std::vector<std::string> v;
        for (const FunctionInfo& f : kTable) v.emplace_back(f.name);
        return v;
    }();
    return names;
}

int FindFunction(std::u32string_view name) { return Find(name); }
int FindFunction(std::string_view name) { return Find(name); }

}  // namespace ferrolin
