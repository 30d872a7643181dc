// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A failure as a value: its kind, for the code that acts on it, and its message, in the user's
// words, for the person who reads it. Success is the absence of a failure (an empty
// std::optional), never an empty message.
#include <QString>

namespace ferrolin {

template <typename Kind>
struct Failure {
    Kind kind;
    QString message;
};

}  // namespace ferrolin
