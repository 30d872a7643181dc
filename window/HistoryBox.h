// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The results history's box: a read-only text box whose copies hold each history line whole.
#include <QTextEdit>

namespace ferrolin {

class HistoryBox : public QTextEdit {
    Q_OBJECT
public:
    using QTextEdit::QTextEdit;

protected:
    // A long line is shown in pieces (see kLongestShownPiece); its copy is the line, unbroken.
    QMimeData* createMimeDataFromSelection() const override;
};

}  // namespace ferrolin
