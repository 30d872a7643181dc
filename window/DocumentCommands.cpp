// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/DocumentCommands.h"

#include <QCoreApplication>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFileInfo>
#include <QKeySequence>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScopedValueRollback>
#include <QTextDocument>
#include <QTextEdit>

#include "formats/ResultsFile.h"
#include "platform/FileDialogs.h"
#include "platform/MessageBoxes.h"
#include "platform/Printing.h"
#include "window/DocumentError.h"
#include "window/EditCommands.h"
#include "window/MenuShortcutDispatch.h"
#include "window/ResultsHistory.h"
#include "window/SpokenFeedback.h"

namespace ferrolin {

namespace {

const char* const kOpenFilter = QT_TRANSLATE_NOOP("Messages", "Text File|*.txt|All Files|*.*");
const char* const kSaveQuestion = QT_TRANSLATE_NOOP("Messages", "Save changes to the results history?");
const char* const kPrintJobName = "Results";

DocumentCommand CommandOf(const QAction* action)
{
    return static_cast<DocumentCommand>(action->data().toInt());
}

// Save and Open share the results file's code with ferrolin-history; their failures are the
// window's error box.
void WriteHistoryFile(const QString& fileName, const ResultsHistory& history)
{
    if (const std::optional<ResultsFileFailure> failure = WriteResultsFile(fileName, history.Lines(), history.FontFamily()))
        throw DocumentError(failure->message.toStdString());
}

}  // namespace

DocumentCommands::DocumentCommands(Window window, QMenu& fileMenu, QMenu& editMenu)
    : w_(std::move(window))
{
    QList<MenuShortcutDispatch::Entry> dispatch;
    for (const ActionDefinition& definition : DocumentActionDefinitions()) {
        // In the window's object tree, where every other control and menu item is found by name.
        auto* action = new QAction(QCoreApplication::translate("Menu", definition.caption), &w_.window);
        action->setObjectName(QString::fromLatin1(definition.objectName));
        action->setProperty("category", QString::fromLatin1(definition.category));
        action->setData(static_cast<int>(definition.command));
        action->setShortcut(QKeySequence::fromString(QString::fromLatin1(definition.shortcut),
                                                     QKeySequence::PortableText));
        action->setShortcutContext(Qt::WindowShortcut);
        if (*definition.hint) {
            const ActionHint hint = SplitHint(QCoreApplication::translate("Menu", definition.hint));
            action->setToolTip(hint.shortHint);
            action->setStatusTip(hint.longHint);
        }
        connect(action, &QAction::triggered, this, [this, action] { Execute(action); });
        actions_ << action;
        dispatch << MenuShortcutDispatch::Entry{action, definition.keyFallsThroughWhenDisabled};
    }
    w_.window.addActions(actions_);  // the shortcuts work wherever the focus is in the window

    auto fill = [this](QMenu& menu, std::span<const MenuEntry> layout) {
        for (const MenuEntry& entry : layout) {
            const QString name = QString::fromLatin1(entry.itemName);
            if (!entry.command) {
                menu.addSeparator()->setObjectName(name);
                continue;
            }
            if (QAction* action = Action(*entry.command)) {
                action->setProperty("menuItemName", name);
                menu.addAction(action);
            }
        }
        connect(&menu, &QMenu::aboutToShow, this, &DocumentCommands::UpdateEditActions);
    };
    fill(fileMenu, FileMenuLayout());
    fill(editMenu, EditMenuLayout());

    // The Edit commands follow the focused box, its selection, text and undo state, and the
    // clipboard.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        QMenuBar* bar = w_.window.menuBar();
        if (now && now->window() == &w_.window && now != bar && !bar->isAncestorOf(now))
            lastEditFocus_ = now;
        UpdateEditActions();
    });
    for (QTextEdit* box : {&w_.input, &w_.historyBox}) {
        connect(box, &QTextEdit::selectionChanged, this, &DocumentCommands::UpdateEditActions);
        connect(box, &QTextEdit::textChanged, this, &DocumentCommands::UpdateEditActions);
        connect(box, &QTextEdit::undoAvailable, this, &DocumentCommands::UpdateEditActions);
    }
    connect(&w_.historyBox, &QTextEdit::textChanged, this, &DocumentCommands::HistoryChanged);
    // What the clipboard holds is asked when the Edit menu opens, when Paste runs and when it
    // changes, not at start: on X11 the question loads every image plugin installed.
    connect(&editMenu, &QMenu::aboutToShow, this, [this] {
        clipboardHoldsText_ = ClipboardHasText();
        UpdateEditActions();
    });
    if (QClipboard* clipboard = QGuiApplication::clipboard()) {
        connect(clipboard, &QClipboard::dataChanged, this, [this] {
            clipboardHoldsText_ = ClipboardHasText();
            UpdateEditActions();
        });
    }
    if (w_.platform.printing)
        connect(w_.platform.printing, &Printing::Failed, this, w_.error);

    // Owned by the commands: it calls back into them.
    new MenuShortcutDispatch(&w_.window, dispatch, [this] { UpdateEditActions(); }, this);
    UpdateEditActions();
}

DocumentCommands::~DocumentCommands() = default;

// ---- The action list ----

QAction* DocumentCommands::Action(DocumentCommand command) const
{
    for (QAction* action : actions_) {
        if (CommandOf(action) == command)
            return action;
    }
    return nullptr;
}

QTextEdit* DocumentCommands::EditTarget() const
{
    const QMenuBar* bar = w_.window.menuBar();
    QWidget* focused = w_.window.focusWidget();
    if (!focused || focused == bar || bar->isAncestorOf(focused))
        focused = lastEditFocus_;
    if (focused == &w_.input)
        return &w_.input;
    if (focused == &w_.historyBox)
        return &w_.historyBox;
    return nullptr;
}

void DocumentCommands::UpdateEditActions()
{
    QTextEdit* box = EditTarget();
    for (QAction* action : actions_) {
        const DocumentCommand command = CommandOf(action);
        if (IsEditCommand(command))
            action->setEnabled(EditCommandEnabled(command, box, clipboardHoldsText_));
    }
}

void DocumentCommands::Execute(QAction* action)
{
    if (!action)
        return;
    const DocumentCommand command = CommandOf(action);
    if (command == DocumentCommand::Paste)
        clipboardHoldsText_ = ClipboardHasText();
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
        case DocumentCommand::New: New(); break;
        case DocumentCommand::Open: Open(); break;
        case DocumentCommand::Save: Save(); break;
        case DocumentCommand::SaveAs: SaveAs(); break;
        case DocumentCommand::Print: Print(); break;
        case DocumentCommand::PrintSetup: PrintSetup(); break;
        case DocumentCommand::Exit: Exit(); break;
        case DocumentCommand::ClearHistory: ClearHistory(); break;
        default: break;
        }
    } catch (const std::exception& error) {
        w_.error(QString::fromUtf8(error.what()));
    }
}

// ---- Unsaved changes ----

bool DocumentCommands::MayClose()
{
    if (askingToClose_)  // a second close request while the question is open
        return false;
    const QScopedValueRollback asking(askingToClose_, true);
    try {
        return MayDiscardHistory();
    } catch (const std::exception& error) {
        w_.error(QString::fromUtf8(error.what()));
    }
    return false;
}

bool DocumentCommands::MayDiscardHistory()
{
    MessageBoxes* boxes = w_.platform.messageBoxes;
    if (w_.history.IsEmpty() || !file_.IsDirty() || !boxes)
        return true;
    switch (boxes->AskSaveChanges(&w_.window, w_.applicationTitle, QCoreApplication::translate("Messages", kSaveQuestion))) {
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

void DocumentCommands::New()
{
    if (!MayDiscardHistory())
        return;
    w_.input.clear();
    w_.history.Clear();
    w_.input.setFocus();
    emit Started();
}

void DocumentCommands::Open()
{
    FileDialogs* dialogs = w_.platform.fileDialogs;
    if (!dialogs || !MayDiscardHistory())
        return;
    const FileDialogRequest request{openDialogName_, NameFiltersFromPairs(QCoreApplication::translate("Messages", kOpenFilter)),
                                    openDialogFilterIndex_};
    const std::optional<FileDialogChoice> choice = dialogs->GetOpenFileName(&w_.window, request);
    if (!choice)
        return;
    openDialogName_ = choice->fileName;
    openDialogFilterIndex_ = choice->filterIndex;
    OpenFile(choice->fileName);
}

void DocumentCommands::OpenFile(const QString& fileName)
{
    const QFileInfo info(fileName);
    if (info.exists()) {
        ReadResults read = ReadResultsFile(fileName);
        if (read.failure)
            throw DocumentError(read.failure->message.toStdString());
        w_.history.Load(std::move(read.history));
    }
    // Only now: a file that could not be read must never become the one a later Save replaces.
    file_.SetFilename(fileName);
    file_.SetIsDirty(false);
}

bool DocumentCommands::SaveAs()
{
    FileDialogs* dialogs = w_.platform.fileDialogs;
    if (!dialogs)
        return false;
    const std::optional<FileDialogChoice> choice =
        dialogs->GetSaveFileName(&w_.window, FileDialogRequest{saveDialogName_, {}, 0});
    if (!choice)
        return false;
    saveDialogName_ = choice->fileName;
    SaveAsFile(choice->fileName);
    return true;
}

void DocumentCommands::SaveAsFile(const QString& fileName)
{
    WriteHistoryFile(fileName, w_.history);
    file_.SetFilename(fileName);
    file_.SetIsDirty(false);
}

void DocumentCommands::Save()
{
    SaveResults();
}

bool DocumentCommands::SaveResults()
{
    if (file_.HasBeenSaved()) {
        WriteCurrentFile();
        return true;
    }
    return SaveAs();
}

void DocumentCommands::WriteCurrentFile()
{
    WriteHistoryFile(file_.Filename(), w_.history);
    file_.SetIsDirty(false);
}

void DocumentCommands::Print()
{
    if (w_.history.IsEmpty()) {
        w_.notice(QCoreApplication::translate("Messages", "Nothing in results history to print"));
        w_.speech.Say(QStringLiteral(QT_TRANSLATE_NOOP("Speech", "Nothing to print in results ")));
        return;
    }
    if (!w_.platform.printing)
        throw DocumentError(QCoreApplication::translate("Messages", "There is no default printer currently selected").toStdString());
    w_.platform.printing->Print(w_.history.Printable(), QString::fromLatin1(kPrintJobName));
}

void DocumentCommands::PrintSetup()
{
    if (w_.platform.printing)
        w_.platform.printing->SetupPrinter(&w_.window);
}

void DocumentCommands::Exit()
{
    w_.window.close();
}

// ---- Edit commands ----

void DocumentCommands::ClearHistory()
{
    if (w_.history.IsEmpty())
        return;
    w_.speech.Say(QStringLiteral(QT_TRANSLATE_NOOP("Speech", " Clear results history ")));
    w_.history.Clear();
    w_.input.setFocus();
}

}  // namespace ferrolin
