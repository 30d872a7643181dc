// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Runs a modal dialog that asks for the keyboard as soon as it is shown.
class QDialog;

namespace ferrolin {

// QDialog::exec(), with the dialog activated once it is on the screen: with no window manager
// (and on Wayland, when another window of ours appeared since) nobody else hands it the focus,
// and a box the keyboard cannot reach traps keyboard users. When it closes, the window that was
// active before gets the keyboard back.
int ExecWithKeyboard(QDialog& dialog);

}  // namespace ferrolin
