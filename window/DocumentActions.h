// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window's action list and the layout of its File and Edit menus, as data: one table drives
// the creation of the actions, their menus and the one handler that runs them.
#include <QString>
#include <optional>
#include <span>

namespace ferrolin {

enum class DocumentCommand {
    Open, SaveAs, PrintSetup, Exit,
    Cut, Copy, Paste, SelectAll, Undo, Delete,
    New, Print, Save, ClearHistory,
};

struct ActionDefinition {
    DocumentCommand command;
    const char* objectName;
    const char* category;   // "File" or "Edit"
    const char* caption;    // '&' marks the access key
    const char* shortcut;   // QKeySequence portable text; empty for none
    const char* hint;       // "short|long", or one text for both; empty for none
    // A disabled action leaves its key to the focused box instead of swallowing it, so Delete
    // without a selection deletes the next character and Ctrl+V behaves as in any text box.
    bool keyFallsThroughWhenDisabled = false;
};

// The fourteen actions in their list order.
std::span<const ActionDefinition> DocumentActionDefinitions();

// One line of a menu: an item bound to an action, or a separator (no command).
struct MenuEntry {
    const char* itemName;
    std::optional<DocumentCommand> command;
};

std::span<const MenuEntry> FileMenuLayout();
std::span<const MenuEntry> EditMenuLayout();

struct ActionHint {
    QString shortHint;  // the part before '|' (the tool tip)
    QString longHint;   // the part after '|' (the status tip); the whole text when there is no '|'
};
ActionHint SplitHint(const QString& hint);

// Whether the command works on the focused text box (the Edit commands but Clear history).
bool IsEditCommand(DocumentCommand command);

}  // namespace ferrolin
