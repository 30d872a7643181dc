// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The texts ferrolin-eval shows about itself: the one-line usage of an error and the full --help.
#include <string>

namespace ferrolin {

// One line, for a bad command line.
std::string EvalUsageLine();

// Options, input, output and exit status, then every function an expression can call.
std::string EvalHelpText();

}  // namespace ferrolin
