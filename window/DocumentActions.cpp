// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/DocumentActions.h"

namespace ferrolin {

namespace {

using C = DocumentCommand;

constexpr ActionDefinition kActions[] = {
    {C::Open, "FileOpen1", "File", "&Open...", "Ctrl+O", "Open|Opens an existing file"},
    {C::SaveAs, "FileSaveAs1", "File", "Save &As...", "", "Save As|Saves the active file with a new name"},
    {C::PrintSetup, "FilePrintSetup1", "File", "Print Set&up...", "", "Print Setup"},
    {C::Exit, "FileExit1", "File", "E&xit", "", "Exit|Quits the application"},
    {C::Cut, "EditCut1", "Edit", "Cu&t", "Ctrl+X", "Cut|Cuts the selection and puts it on the Clipboard"},
    {C::Copy, "EditCopy1", "Edit", "&Copy", "Ctrl+C", "Copy|Copies the selection and puts it on the Clipboard"},
    {C::Paste, "EditPaste1", "Edit", "&Paste", "Ctrl+V", "Paste|Inserts Clipboard contents", true},
    {C::SelectAll, "EditSelectAll1", "Edit", "Select &All", "Ctrl+A", "Select All|Selects the entire document"},
    {C::Undo, "EditUndo1", "Edit", "&Undo", "Ctrl+Z", "Undo|Reverts the last action"},
    {C::Delete, "EditDelete1", "Edit", "&Delete", "Del", "Delete|Erases the selection", true},
    {C::New, "NewAction", "File", "&New", "Ctrl+N", ""},
    {C::Print, "PrintAction", "File", "Print", "Ctrl+P", ""},
    {C::Save, "SaveAction", "File", "&Save", "Ctrl+S", ""},
    {C::ClearHistory, "ClearHistoryAction", "Edit", "Clear &History", "", ""},
};

constexpr MenuEntry kFileMenu[] = {
    {"New1", C::New},
    {"Open1", C::Open},
    {"N4", std::nullopt},
    {"Save1", C::Save},
    {"SaveAs1", C::SaveAs},
    {"N5", std::nullopt},
    {"Print2", C::Print},
    {"Print1", C::PrintSetup},
    {"N6", std::nullopt},
    {"Exit1", C::Exit},
};

constexpr MenuEntry kEditMenu[] = {
    {"Undo1", C::Undo},
    {"N1", std::nullopt},
    {"Cut1", C::Cut},
    {"Copy1", C::Copy},
    {"Paste2", C::Paste},
    {"Paste1", C::Delete},
    {"N2", std::nullopt},
    {"SelectAll1", C::SelectAll},
    {"N3", std::nullopt},
    {"MnuClearHistory", C::ClearHistory},
};

}  // namespace

std::span<const ActionDefinition> DocumentActionDefinitions() { return kActions; }
std::span<const MenuEntry> FileMenuLayout() { return kFileMenu; }
std::span<const MenuEntry> EditMenuLayout() { return kEditMenu; }

ActionHint SplitHint(const QString& hint)
{
    const qsizetype bar = hint.indexOf(QLatin1Char('|'));
    if (bar < 0)
        return {hint, hint};
    return {hint.left(bar), hint.mid(bar + 1)};
}

bool IsEditCommand(DocumentCommand command)
{
    switch (command) {
    case C::Cut:
    case C::Copy:
    case C::Paste:
    case C::SelectAll:
    case C::Undo:
    case C::Delete:
        return true;
    default:
        return false;
    }
}

}  // namespace ferrolin
