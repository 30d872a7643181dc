// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/InputLines.h"

#include <QString>
#include <QStringList>
#include <QTextBlock>
#include <QTextDocument>

#include "evaluator/ResultFormat.h"

namespace ferrolin {

InputLines InputLines::Read(const QTextDocument& document) {
    InputLines result;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        int start = block.position();
        for (const QString& line : block.text().split(QChar::LineSeparator)) {
            result.lines.push_back(line.toStdString());
            result.starts.push_back(start);
            start += static_cast<int>(line.size()) + 1;
        }
    }
    return result;
}

int InputLines::DocumentPosition(std::size_t offset) const {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string trimmed = TrimBlanks(lines[i]);
        if (offset > trimmed.size() || (offset == trimmed.size() && trimmed.empty())) {
            offset -= trimmed.size();
            continue;
        }
        // Blanks and control characters are single bytes and single UTF-16 units alike.
        std::size_t leading = 0;
        while (leading < lines[i].size() && static_cast<unsigned char>(lines[i][leading]) <= 32) ++leading;
        const auto before = QString::fromStdString(trimmed.substr(0, offset)).size();
        return starts[i] + static_cast<int>(leading + static_cast<std::size_t>(before));
    }
    if (lines.empty()) return 0;
    return starts.back() + static_cast<int>(QString::fromStdString(lines.back()).size());
}

}  // namespace ferrolin
