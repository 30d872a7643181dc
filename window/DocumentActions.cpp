// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/DocumentActions.h"

#include <QtGlobal>

namespace ferrolin {

namespace {

using C = DocumentCommand;

constexpr ActionDefinition kActions[] = {
    {C::Open, "FileOpen1", "File", QT_TRANSLATE_NOOP("Menu", "&Open..."), "Ctrl+O", QT_TRANSLATE_NOOP("Menu", "Open|Opens an existing file")},
    {C::SaveAs, "FileSaveAs1", "File", QT_TRANSLATE_NOOP("Menu", "Save &As..."), "", QT_TRANSLATE_NOOP("Menu", "Save As|Saves the active file with a new name")},
    {C::PrintSetup, "FilePrintSetup1", "File", QT_TRANSLATE_NOOP("Menu", "Print Set&up..."), "", QT_TRANSLATE_NOOP("Menu", "Print Setup")},
    {C::Exit, "FileExit1", "File", QT_TRANSLATE_NOOP("Menu", "E&xit"), "", QT_TRANSLATE_NOOP("Menu", "Exit|Quits the application")},
    {C::Cut, "EditCut1", "Edit", QT_TRANSLATE_NOOP("Menu", "Cu&t"), "Ctrl+X", QT_TRANSLATE_NOOP("Menu", "Cut|Cuts the selection and puts it on the Clipboard")},
    {C::Copy, "EditCopy1", "Edit", QT_TRANSLATE_NOOP("Menu", "&Copy"), "Ctrl+C", QT_TRANSLATE_NOOP("Menu", "Copy|Copies the selection and puts it on the Clipboard")},
    {C::Paste, "EditPaste1", "Edit", QT_TRANSLATE_NOOP("Menu", "&Paste"), "Ctrl+V", QT_TRANSLATE_NOOP("Menu", "Paste|Inserts Clipboard contents"), true},
    {C::SelectAll, "EditSelectAll1", "Edit", QT_TRANSLATE_NOOP("Menu", "Select &All"), "Ctrl+A", QT_TRANSLATE_NOOP("Menu", "Select All|Selects the entire document")},
    {C::Undo, "EditUndo1", "Edit", QT_TRANSLATE_NOOP("Menu", "&Undo"), "Ctrl+Z", QT_TRANSLATE_NOOP("Menu", "Undo|Reverts the last action")},
    {C::Delete, "EditDelete1", "Edit", QT_TRANSLATE_NOOP("Menu", "&Delete"), "Del", QT_TRANSLATE_NOOP("Menu", "Delete|Erases the selection"), true},
    {C::New, "NewAction", "File", QT_TRANSLATE_NOOP("Menu", "&New"), "Ctrl+N", ""},
    {C::Print, "PrintAction", "File", QT_TRANSLATE_NOOP("Menu", "Print"), "Ctrl+P", ""},
    {C::Save, "SaveAction", "File", QT_TRANSLATE_NOOP("Menu", "&Save"), "Ctrl+S", ""},
    {C::ClearHistory, "ClearHistoryAction", "Edit", QT_TRANSLATE_NOOP("Menu", "Clear &History"), "", ""},
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
