// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window's controls, menus and actions as a user finds them: by their object names, the
// names a screen reader's tree and the window's own code use too. A name that no longer exists
// fails the test at once instead of handing it a null pointer.
#include <QAction>
#include <QFrame>
#include <QListWidget>
#include <QMenu>
#include <QTextEdit>
#include <QToolBar>

#include "window/DocumentCommands.h"
#include "window/UnitMain.h"

namespace ferrolin::testing {

template <class Control>
Control* FindControl(const TForm1& form, const char* objectName)
{
    auto* control = form.findChild<Control*>(QString::fromLatin1(objectName));
    if (!control)
        qFatal("the main window has no %s", objectName);
    return control;
}

inline QTextEdit* InputBox(const TForm1& form) { return FindControl<QTextEdit>(form, "RichEditInput"); }
inline QTextEdit* HistoryBox(const TForm1& form) { return FindControl<QTextEdit>(form, "RichEditOutput"); }
inline QListWidget* FunctionList(const TForm1& form) { return FindControl<QListWidget>(form, "ListBoxFunctions"); }
inline QFrame* Keypad(const TForm1& form) { return FindControl<QFrame>(form, "PanelKeyBoard"); }
inline QMenu* MenuNamed(const TForm1& form, const char* objectName) { return FindControl<QMenu>(form, objectName); }
inline QAction* ItemNamed(const TForm1& form, const char* objectName) { return FindControl<QAction>(form, objectName); }
inline QAction* CommandAction(const TForm1& form, DocumentCommand command) { return form.Documents().Action(command); }

}  // namespace ferrolin::testing
