// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/EditCommands.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

namespace ferrolin {

bool EditCommandEnabled(DocumentCommand command, const QTextEdit* box, bool clipboardHasText)
{
    if (!box)
        return false;
    const bool writable = !box->isReadOnly();
    const bool selection = box->textCursor().hasSelection();
    switch (command) {
    case DocumentCommand::Undo:
        return writable && box->isUndoRedoEnabled() && box->document()->isUndoAvailable();
    case DocumentCommand::Cut:
    case DocumentCommand::Delete:
        return writable && selection;
    case DocumentCommand::Copy:
        return selection;
    case DocumentCommand::Paste:
        return writable && clipboardHasText;
    case DocumentCommand::SelectAll:
        return !box->document()->isEmpty();
    default:
        return false;
    }
}

void RunEditCommand(DocumentCommand command, QTextEdit& box)
{
    switch (command) {
    case DocumentCommand::Undo:
        box.undo();
        break;
    case DocumentCommand::Cut:
        box.cut();
        break;
    case DocumentCommand::Copy:
        box.copy();
        break;
    case DocumentCommand::Paste:
        box.paste();
        break;
    case DocumentCommand::Delete: {
        QTextCursor cursor = box.textCursor();
        cursor.removeSelectedText();
        box.setTextCursor(cursor);
        break;
    }
    case DocumentCommand::SelectAll:
        box.selectAll();
        break;
    default:
        break;
    }
}

bool ClipboardHasText()
{
    const QClipboard* clipboard = QGuiApplication::clipboard();
    const QMimeData* data = clipboard ? clipboard->mimeData() : nullptr;
    return data && data->hasText() && !data->text().isEmpty();
}

}  // namespace ferrolin
