// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/WindowDisplay.h"

#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <algorithm>

#include "window/ResultsHistory.h"
#include "window/SpokenFeedback.h"

namespace ferrolin {

WindowDisplay::WindowDisplay(QTextEdit& input, ResultsHistory& history, SpokenFeedback& speech,
                             std::function<void(const QString&)> notice, ReportError error)
    : input_(input), history_(history), speech_(speech), notice_(std::move(notice)), error_(std::move(error)) {}

InputLines WindowDisplay::ReadInput() const { return InputLines::Read(*input_.document()); }

QString WindowDisplay::InputText() const { return input_.toPlainText(); }

void WindowDisplay::SetInput(const QString& text) {
    if (text.isEmpty()) {
        input_.clear();
    } else {
        input_.setPlainText(text);
        input_.moveCursor(QTextCursor::End);
    }
    input_.setFocus();
}

void WindowDisplay::InsertInput(const QString& text) {
    // The focus moves first: a screen reader then announces the box and reads what goes into it,
    // where an insertion into a box that is not yet focused goes unheard.
    input_.setFocus();
    QTextCursor cursor = input_.textCursor();
    cursor.insertText(text);  // replaces the selection; the caret ends after the text
    input_.setTextCursor(cursor);
}

void WindowDisplay::MoveCaret(int position) {
    QTextCursor caret(input_.document());
    caret.setPosition(std::clamp(position, 0, input_.document()->characterCount() - 1));
    input_.setTextCursor(caret);
}

void WindowDisplay::Say(const QString& phrase) { speech_.Say(phrase); }

void WindowDisplay::AddResult(const QString& line, const QString& value) {
    speech_.SayResult(value);
    history_.Append(line);
}

}  // namespace ferrolin
