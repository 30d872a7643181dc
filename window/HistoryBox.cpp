// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/HistoryBox.h"

#include <QMimeData>
#include <memory>

#include "window/ResultsHistory.h"

namespace ferrolin {

QMimeData* HistoryBox::createMimeDataFromSelection() const
{
    // Qt's own copy makes its text when asked for it, over whatever was set: a fresh one instead.
    const std::unique_ptr<QMimeData> shown(QTextEdit::createMimeDataFromSelection());
    auto* data = new QMimeData;
    data->setHtml(shown->html());
    const QTextCursor selection = textCursor();
    data->setText(ResultsHistory::TextBetween(*document(), selection.selectionStart(), selection.selectionEnd()));
    return data;
}

}  // namespace ferrolin
