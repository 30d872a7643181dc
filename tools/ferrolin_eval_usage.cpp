// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/ferrolin_eval_usage.h"

#include <algorithm>
#include <string_view>

#include "evaluator/FunctionTable.h"
#include "evaluator/ResultFormat.h"

namespace ferrolin {

namespace {

static_assert(DecimalPlaces::kDefault == 2, "the usage text below names the default number of places");

std::string DecimalsRange() {
    return "from " + std::to_string(DecimalPlaces::kFewest) + " to " + std::to_string(DecimalPlaces::kMost);
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return text;
}

// Names are guessed from other calculators (fact, max, sum...): the list saves a round of
// "Unable to evaluate".
std::string FunctionList() {
    std::size_t widest = 0;
    for (const FunctionInfo* function : FunctionsInListOrder()) widest = std::max(widest, function->name.size());
    std::string list;
    for (const FunctionInfo* function : FunctionsInListOrder()) {
        std::string entry = "  " + std::string(function->name) + "()";
        entry.append(widest + 6 - entry.size(), ' ');
        entry += Trimmed(function->phrase);
        list += entry + "\n";
    }
    return list;
}

}  // namespace

std::string EvalUsageLine() {
    return "usage: ferrolin-eval [--decimals N] [--] [EXPRESSION ...] (N " + DecimalsRange() +
           "; put -- before an expression that begins with -), or ferrolin-eval --version";
}

std::string EvalHelpText() {
    return "usage: ferrolin-eval [--decimals N] [--] [EXPRESSION ...]\n"
           "       ferrolin-eval --version | --help\n"
           "\n"
           "Evaluates each EXPRESSION as the Ferrolin calculator does; with none, each non-empty\n"
           "line of standard input is one expression. A result is printed as the line the\n"
           "calculator adds to its history (\"2+3= 5.00\"); a failure prints the calculator's\n"
           "message on standard error, after a line naming the input line and its text when\n"
           "reading standard input.\n"
           "\n"
           "  --decimals N, --decimals=N  decimal places shown, " +
           DecimalsRange() +
           // Written out, not built from the constant: a short piece of text assembled in code
           // leaves byte runs in the program ("defaulH") that Debian's checker reads as misspelt.
           " (default 2)\n"
           "  --                          end of options: an expression that begins with - follows\n"
           "  --version                   print the version and exit\n"
           "  -h, --help                  print this text and exit\n"
           "\n"
           "Exit status: 0 every expression was evaluated, 1 some failed (or standard input could\n"
           "not be read), 2 a bad command line.\n"
           "\n"
           "Operators: + - * / ^ and brackets; constants: pi, e. The decimal separator of list\n"
           "elements follows LC_NUMERIC. Functions (angles in radians; mean, stddev and variance\n"
           "take a comma-separated list):\n" +
           FunctionList();
}

}  // namespace ferrolin
