// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window's File and Edit menus: the action list, the edit commands on the focused text
// box, and the commands that treat the results history as a document (new, open, save, print),
// with the current results file and the unsaved-changes question.
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>

#include "dialogs/ReportError.h"
#include "platform/Platform.h"
#include "window/DocumentActions.h"
#include "window/FileNameUnit.h"

class QAction;
class QMainWindow;
class QMenu;
class QTextEdit;
class QWidget;

namespace ferrolin {

class ResultsHistory;
class SpokenFeedback;

class DocumentCommands : public QObject {
    Q_OBJECT
public:
    // What the commands use of the main window; all of it outlives the commands.
    struct Window {
        QMainWindow& window;      // owner of the dialogs; closed by Exit
        QTextEdit& input;         // the expression box
        QTextEdit& historyBox;    // the box showing the history
        ResultsHistory& history;
        SpokenFeedback& speech;
        const Platform& platform;
        QString applicationTitle;
        std::function<void(const QString&)> notice;  // a plain notice box
        ReportError error;                           // the error box (adds the full stop)
    };
    // Creates the actions, fills `fileMenu` and `editMenu` and makes the shortcuts work
    // wherever the focus is in the window.
    DocumentCommands(Window window, QMenu& fileMenu, QMenu& editMenu);
    ~DocumentCommands() override;

    // The action list, in its order; each action's data() is its DocumentCommand and its
    // property "category" is "File" or "Edit". The menu items are these actions.
    const QList<QAction*>& Actions() const { return actions_; }
    // The action that runs `command`.
    QAction* Action(DocumentCommand command) const;

    // The one handler of the action list: refreshes the enabled state, then runs the action's
    // command if it is still enabled. Failures go to the error box.
    void Execute(QAction* action);

    // The commands. Failures throw DocumentError (window/DocumentError.h).
    void New();
    void Open();                                  // the open dialog, then OpenFile
    void OpenFile(const QString& fileName);
    bool SaveAs();            // the save dialog, then SaveAsFile; false when cancelled
    void SaveAsFile(const QString& fileName);
    void Save();
    bool SaveResults();       // true when the history was written
    void Print();
    void PrintSetup();
    void Exit();
    void ClearHistory();

    // The history changed: the results document is dirty.
    void HistoryChanged() { file_.SetIsDirty(true); }
    // The current results file and whether the history changed since it was saved or opened.
    const TTextFilename& ResultsFile() const { return file_; }

    // Whether the window may close now: asks about unsaved changes (a failed save ends in the
    // error box and keeps the window). A second request while the question is open is refused.
    bool MayClose();

    // The text box the Edit commands work on: the focused one of the two, else null.
    QTextEdit* EditTarget() const;

signals:
    // New emptied the history and the input box: the window forgets its last expression.
    void Started();

private:
    void UpdateEditActions();
    // Before the history is replaced or dropped: asks whether to save unsaved changes. False
    // when the command must be abandoned (Cancel, or a save that was cancelled or failed).
    bool MayDiscardHistory();
    void WriteCurrentFile();

    Window w_;
    QList<QAction*> actions_;
    TTextFilename file_;
    // What the open and save dialogs start with next time: what was last accepted in them.
    QString openDialogName_;
    int openDialogFilterIndex_ = 0;
    QString saveDialogName_;
    // The window's last focused control outside the menu bar: opening a menu from the keyboard
    // moves the focus to the bar, but the Edit commands still mean the box the user was in.
    QPointer<QWidget> lastEditFocus_;
    // Kept up to date from the clipboard's change signal: asking the clipboard itself can wait
    // on another program, too slow for every keystroke.
    bool clipboardHoldsText_ = false;
    bool askingToClose_ = false;  // the unsaved-changes question of a close is open
};

}  // namespace ferrolin
