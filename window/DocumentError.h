// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A document command that failed: what() is the text for the error box.
#include <stdexcept>

namespace ferrolin {

class DocumentError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace ferrolin
