// The main window's File and Edit menus: the action list, the edit commands on the focused text
// box, and the commands that treat the results history as a document (new, open, save, print).
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QFileInfo>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QScopedValueRollback>
#include <QTextDocument>
#include <QTextEdit>
#include <cerrno>
#include <cstring>

#include "platform/FileDialogs.h"
#include "platform/MessageBoxes.h"
#include "platform/Printing.h"
#include "formats/ResultsFile.h"
#include "window/DocumentActions.h"
#include "window/DocumentError.h"
#include "window/EditCommands.h"
#include "window/MenuShortcutDispatch.h"
#include "window/ResultsHistory.h"
#include "window/SpokenFeedback.h"
#include "window/UnitMain.h"

namespace ferrolin {

namespace {

const char* const kOpenFilter = "Text File|*.txt|All Files|*.*";
const char* const kSaveQuestion = "Save changes to the results history?";
const char* const kPrintJobName = "Results";

DocumentCommand CommandOf(const QAction* action)
{
    return static_cast<DocumentCommand>(action->data().toInt());
}

// Save and Open share the results file's code with ferrolin-history; their failures are the
// window's error box.
void WriteHistoryFile(const QString& fileName, const ResultsHistory& history)
{
    const QString error = WriteResultsFile(fileName, history.Lines(), history.FontFamily());
    if (!error.isEmpty())
        throw DocumentError(error.toStdString());
}

}  // namespace

void TForm1::CreateDocumentCommands()
{
    QList<MenuShortcutDispatch::Entry> dispatch;
    for (const ActionDefinition& definition : DocumentActionDefinitions()) {
        auto* action = new QAction(QString::fromUtf8(definition.caption), this);
        action->setObjectName(QString::fromLatin1(definition.objectName));
        action->setProperty("category", QString::fromLatin1(definition.category));
        action->setData(static_cast<int>(definition.command));
        action->setShortcut(QKeySequence::fromString(QString::fromLatin1(definition.shortcut),
                                                     QKeySequence::PortableText));
        action->setShortcutContext(Qt::WindowShortcut);
        if (*definition.hint) {
            const ActionHint hint = SplitHint(QString::fromUtf8(definition.hint));
            action->setToolTip(hint.shortHint);
            action->setStatusTip(hint.longHint);
        }
        connect(action, &QAction::triggered, this, [this, action] { ActionListExecute(action); });
        actions_ << action;
        dispatch << MenuShortcutDispatch::Entry{action, definition.keyFallsThroughWhenDisabled};
    }
    addActions(actions_);  // the shortcuts work wherever the focus is in the window

    auto fill = [this](QMenu* menu, std::span<const MenuEntry> layout) {
        for (const MenuEntry& entry : layout) {
            const QString name = QString::fromLatin1(entry.itemName);
            if (!entry.command) {
                menu->addSeparator()->setObjectName(name);
                continue;
            }
            for (QAction* action : actions_) {
                if (CommandOf(action) == *entry.command) {
                    action->setProperty("menuItemName", name);
                    menu->addAction(action);
                }
            }
        }
        connect(menu, &QMenu::aboutToShow, this, &TForm1::UpdateEditActions);
    };
    fill(FileMenu, FileMenuLayout());
    fill(EditMenu, EditMenuLayout());

    // The Edit commands follow the focused box, its selection, text and undo state, and the
    // clipboard.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (now && now->window() == this && now != menuBar() && !menuBar()->isAncestorOf(now))
            LastEditFocus = now;
        UpdateEditActions();
    });
    for (QTextEdit* box : {RichEditInput, RichEditOutput}) {
        connect(box, &QTextEdit::selectionChanged, this, &TForm1::UpdateEditActions);
        connect(box, &QTextEdit::textChanged, this, &TForm1::UpdateEditActions);
        connect(box, &QTextEdit::undoAvailable, this, &TForm1::UpdateEditActions);
    }
    if (QClipboard* clipboard = QGuiApplication::clipboard()) {
        ClipboardHoldsText = ClipboardHasText();
        connect(clipboard, &QClipboard::dataChanged, this, [this] {
            ClipboardHoldsText = ClipboardHasText();
            UpdateEditActions();
        });
    }
    connect(RichEditOutput, &QTextEdit::textChanged, this, &TForm1::RichEditOutputChange);
    if (platform().printing)
        connect(platform().printing, &Printing::Failed, this, [this](const QString& message) { ShowErrorBox(message); });

    new MenuShortcutDispatch(this, dispatch, [this] { UpdateEditActions(); });
    UpdateEditActions();
}

// ---- The action list ----

QAction* TForm1::Action(DocumentCommand command) const
{
    for (QAction* action : actions_) {
        if (CommandOf(action) == command)
            return action;
    }
    return nullptr;
}

QTextEdit* TForm1::EditTarget() const
{
    QWidget* focused = focusWidget();
    if (!focused || focused == menuBar() || menuBar()->isAncestorOf(focused))
        focused = LastEditFocus;
    if (focused == RichEditInput)
        return RichEditInput;
    if (focused == RichEditOutput)
        return RichEditOutput;
    return nullptr;
}

void TForm1::UpdateEditActions()
{
    QTextEdit* box = EditTarget();
    for (QAction* action : actions_) {
        const DocumentCommand command = CommandOf(action);
        if (IsEditCommand(command))
            action->setEnabled(EditCommandEnabled(command, box, ClipboardHoldsText));
    }
}

void TForm1::ActionListExecute(QAction* action)
{
    if (!action)
        return;
    const DocumentCommand command = CommandOf(action);
    if (command == DocumentCommand::Paste)
        ClipboardHoldsText = ClipboardHasText();
    UpdateEditActions();
    if (!action->isEnabled())
        return;
    try {
        if (IsEditCommand(command)) {
            if (QTextEdit* box = EditTarget())
                RunEditCommand(command, *box);
            return;
        }
        switch (command) {
        case DocumentCommand::New: NewActionExecute(); break;
        case DocumentCommand::Open: FileOpen1Execute(); break;
        case DocumentCommand::Save: SaveActionExecute(); break;
        case DocumentCommand::SaveAs: FileSaveAs1Execute(); break;
        case DocumentCommand::Print: PrintActionExecute(); break;
        case DocumentCommand::PrintSetup: FilePrintSetup1Execute(); break;
        case DocumentCommand::Exit: FileExit1Execute(); break;
        case DocumentCommand::ClearHistory: ClearHistoryActionExecute(); break;
        default: break;
        }
    } catch (const std::exception& error) {
        ShowErrorBox(QString::fromUtf8(error.what()));
    }
}

void TForm1::RichEditOutputChange()
{
    ResultsFile.SetIsDirty(true);
}

// ---- Unsaved changes ----

// Closing the window (Exit, the title bar, the desktop) first asks about unsaved changes.
void TForm1::closeEvent(QCloseEvent* event)
{
    if (askingToClose_) {  // a second close request while the question is open
        event->ignore();
        return;
    }
    bool mayClose = false;
    {
        const QScopedValueRollback asking(askingToClose_, true);
        try {
            mayClose = MayDiscardHistory();
        } catch (const std::exception& error) {
            ShowErrorBox(QString::fromUtf8(error.what()));
        }
    }
    if (!mayClose) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}

bool TForm1::MayDiscardHistory()
{
    if (History().IsEmpty() || !ResultsFile.IsDirty() || !messageBoxes())
        return true;
    switch (messageBoxes()->AskSaveChanges(this, ApplicationTitle(), QString::fromLatin1(kSaveQuestion))) {
    case MessageBoxes::SaveChoice::Save:
        return SaveResults();
    case MessageBoxes::SaveChoice::Discard:
        return true;
    case MessageBoxes::SaveChoice::Cancel:
        break;
    }
    return false;
}

// ---- File commands ----

void TForm1::NewActionExecute()
{
    if (!MayDiscardHistory())
        return;
    LastExpression.clear();
    RichEditInput->clear();
    History().Clear();
    RichEditInput->setFocus();
}

void TForm1::FileOpen1Execute()
{
    FileDialogs* dialogs = platform().fileDialogs;
    if (!dialogs || !MayDiscardHistory())
        return;
    const FileDialogRequest request{OpenDialogName, NameFiltersFromPairs(QString::fromLatin1(kOpenFilter)),
                                    OpenDialogFilterIndex};
    const std::optional<FileDialogChoice> choice = dialogs->GetOpenFileName(this, request);
    if (!choice)
        return;
    OpenDialogName = choice->fileName;
    OpenDialogFilterIndex = choice->filterIndex;
    FileOpen1Accept(choice->fileName);
}

void TForm1::FileOpen1Accept(const QString& fileName)
{
    const QFileInfo info(fileName);
    if (info.exists()) {
        ReadResults read = ReadResultsFile(fileName);
        if (!read.history)
            throw DocumentError(read.error.toStdString());
        History().Load(std::move(*read.history));
    }
    // Only now: a file that could not be read must never become the one a later Save replaces.
    ResultsFile.SetFilename(fileName);
    ResultsFile.SetIsDirty(false);
}

bool TForm1::FileSaveAs1Execute()
{
    FileDialogs* dialogs = platform().fileDialogs;
    if (!dialogs)
        return false;
    const std::optional<FileDialogChoice> choice = dialogs->GetSaveFileName(this, FileDialogRequest{SaveDialogName, {}, 0});
    if (!choice)
        return false;
    SaveDialogName = choice->fileName;
    FileSaveAs1Accept(choice->fileName);
    return true;
}

void TForm1::FileSaveAs1Accept(const QString& fileName)
{
    WriteHistoryFile(fileName, History());
    ResultsFile.SetFilename(fileName);
    ResultsFile.SetIsDirty(false);
}

void TForm1::SaveActionExecute()
{
    SaveResults();
}

bool TForm1::SaveResults()
{
    if (ResultsFile.HasBeenSaved()) {
        WriteResultsFile();
        return true;
    }
    return FileSaveAs1Execute();
}

void TForm1::WriteResultsFile()
{
    WriteHistoryFile(ResultsFile.Filename(), History());
    ResultsFile.SetIsDirty(false);
}

void TForm1::PrintActionExecute()
{
    if (History().IsEmpty()) {
        ShowNotice(QStringLiteral("Nothing in results history to print"));
        Speech().Say(QStringLiteral("Nothing to print in results "));
        return;
    }
    if (!platform().printing)
        throw DocumentError("There is no default printer currently selected");
    platform().printing->Print(History().Printable(), QString::fromLatin1(kPrintJobName));
}

void TForm1::FilePrintSetup1Execute()
{
    if (platform().printing)
        platform().printing->SetupPrinter(this);
}

void TForm1::FileExit1Execute()
{
    close();
}

// ---- Edit commands ----

void TForm1::ClearHistoryActionExecute()
{
    if (History().IsEmpty())
        return;
    Speech().Say(QStringLiteral(" Clear results history "));
    History().Clear();
    RichEditInput->setFocus();
}

}  // namespace ferrolin
