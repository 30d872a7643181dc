// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the evaluate command needs of the window, one call for each thing it shows or reads: the
// input box, the two message boxes, the voice and the results history. The main window answers
// it over its controls (WindowDisplay); the command's tests answer it with a fake.
#include <QString>

#include "window/InputLines.h"

namespace ferrolin {

class CalcDisplay {
public:
    virtual ~CalcDisplay() = default;

    // The input box's lines, as the evaluation joins them.
    virtual InputLines ReadInput() const = 0;
    // The input box's text, as Up and Down keep it.
    virtual QString InputText() const = 0;
    // Replaces the whole input box (an empty text clears it), puts the caret at the end and
    // gives the box the focus.
    virtual void SetInput(const QString& text) = 0;
    // Replaces the selection (or inserts at the caret) and gives the box the focus.
    virtual void InsertInput(const QString& text) = 0;
    // Puts the caret at `position` (UTF-16, within the box) without a selection.
    virtual void MoveCaret(int position) = 0;

    virtual void ShowNotice(const QString& text) = 0;
    // The error box; the message gets its full stop there.
    virtual void ShowError(const QString& message) = 0;

    // Says `phrase` when Audio is on.
    virtual void Say(const QString& phrase) = 0;
    // A result: `value` (as the line writes it) is said when Audio is on, then `line` joins the
    // history and is announced to screen readers.
    virtual void AddResult(const QString& line, const QString& value) = 0;
};

}  // namespace ferrolin
