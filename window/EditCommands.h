// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The six standard edit commands on one text box: when each may run, and running it.
#include "window/DocumentActions.h"

class QTextEdit;

namespace ferrolin {

// Whether `command` (an edit command) can do anything on `box` now. A null box (the focus is on
// neither text box) enables nothing. `clipboardHasText` is the clipboard's state, passed in so
// that the rule can be checked without touching the real clipboard.
bool EditCommandEnabled(DocumentCommand command, const QTextEdit* box, bool clipboardHasText);

// Runs `command` on `box`; the caller has checked EditCommandEnabled.
void RunEditCommand(DocumentCommand command, QTextEdit& box);

// Whether the application clipboard holds text.
bool ClipboardHasText();

}  // namespace ferrolin
