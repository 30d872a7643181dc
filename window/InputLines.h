// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The input box's lines as the evaluate command joins them, and the way back from a place in
// the joined expression to a place in the box.
#include <cstddef>
#include <string>
#include <vector>

class QTextDocument;

namespace ferrolin {

struct InputLines {
    std::vector<std::string> lines;  // each line as the box holds it (UTF-8), untrimmed
    std::vector<int> starts;         // the box's position of each line's first character

    // The hard lines of `document`; a line separator inside a paragraph breaks a line too.
    static InputLines Read(const QTextDocument& document);

    // The box's position (UTF-16) of byte `offset` of the expression ExpressionText(lines) joins:
    // a place at the end of a line's text stays on that line, after its last non-blank character.
    int DocumentPosition(std::size_t offset) const;
};

}  // namespace ferrolin
