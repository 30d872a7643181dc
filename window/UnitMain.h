#pragma once
// The calculator's main window: input box, keypad, function list, results history, the Options
// menu, the evaluate cycle and spoken feedback. Other commands of the window (the File and Edit
// menus with the results document, and the Help menu) live in their own .cpp files; their members
// go in the sections marked below.
#include <QMainWindow>
#include <QString>
#include <functional>
#include <memory>

#include "platform/Platform.h"
#include "window/DocumentActions.h"
#include "window/ExpressionRecall.h"
#include "window/FileNameUnit.h"  // ResultsFile (document commands)
#include <QPointer>                // LastEditFocus (document commands)

class QAction;
class QCloseEvent;
class QDialog;
class QActionGroup;
class QFrame;
class QListWidget;
class QMenu;
class QPushButton;
class QTextEdit;
class QToolBar;

namespace ferrolin {

class EvaluateCycle;
class ResultsHistory;
class ScreenReaderAnnouncer;
class SpokenFeedback;
class Voice;
struct KeyDefinition;

class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    explicit TForm1(Platform platform, QWidget* parent = nullptr);
    ~TForm1() override;

    // ---- Window state ----
    QString LastExpression;  // the last expression that evaluated; Recall inserts it again
    // Decimal places chosen in Options > Precision (DecimalPlaces); changed only by PrecisionClick.
    int Precision() const { return precision_; }

    // ---- Controls ----
    QToolBar* ToolBar1 = nullptr;          // empty, 29 px high
    QFrame* PanelMain = nullptr;           // the bordered panel below the toolbar
    QTextEdit* RichEditInput = nullptr;    // the expression, plain text
    QFrame* PanelKeyBoard = nullptr;       // the 24 keys
    QListWidget* ListBoxFunctions = nullptr;
    QTextEdit* RichEditOutput = nullptr;   // shows the results history, read-only

    // The results history's lines: everything that reads or changes the history goes through it.
    ResultsHistory& History() const { return *history_; }

    // ---- Menu bar, in this order: File, Edit, Options, Help ----
    QMenu* FileMenu = nullptr;    // filled by the document commands
    QMenu* EditMenu = nullptr;    // filled by the document commands
    QMenu* MnuOptions = nullptr;
    QAction* MnuAudio = nullptr;  // checkable; checked: the window speaks (see Speech())
    QMenu* mnuPrecision = nullptr;
    QActionGroup* PrecisionItems = nullptr;  // six items, data() = 1..6
    QMenu* HelpMenu = nullptr;    // filled by the Help commands

    // ---- Speech ----
    // Spoken feedback: whether Audio is on, the window's voice (created with the window,
    // connected by itself on the first phrase) and its failures.
    SpokenFeedback& Speech() const { return *speech_; }
    // Where results are announced to a screen reader.
    ScreenReaderAnnouncer* Announcer() const { return announcer_; }

    // ---- Commands ----
    void EvaluateInput();
    // Replaces the input box's selection (or inserts at the caret) and focuses the box.
    void InsertText(const QString& text);

    // ---- Failures and notices ----
    // The application title: from the program file's name, used by every message box.
    QString ApplicationTitle() const { return applicationTitle_; }
    // The error box for a failure's message (a full stop is added by the usual rule).
    void ShowErrorBox(const QString& message);
    // A plain notice with the application title.
    void ShowNotice(const QString& text);
    MessageBoxes* messageBoxes() const { return platform_.messageBoxes; }
    const Platform& platform() const { return platform_; }

    // ---- Regional settings ----
    // The decimal separator results are written with and comma lists are read with.
    char32_t DecimalSeparator() const;
    // Where the separator comes from (default: QLocale::system()); read now and on every
    // QEvent::LocaleChange. Tests hand in their own.
    void SetDecimalSeparatorSource(std::function<QString()> source);

    // ==== Document commands (File and Edit menus, results file): members below ====
    // (window/UnitMainDocument.cpp)
    TTextFilename ResultsFile;  // the current results file and whether the history changed since

    // The action list, in its order; each action's data() is its DocumentCommand and its
    // property "category" is "File" or "Edit". The menu items are these actions.
    const QList<QAction*>& ActionList1() const { return actions_; }
    // The action that runs `command`.
    QAction* Action(DocumentCommand command) const;
    QAction* FileOpen1() const { return Action(DocumentCommand::Open); }
    QAction* FileSaveAs1() const { return Action(DocumentCommand::SaveAs); }
    QAction* FilePrintSetup1() const { return Action(DocumentCommand::PrintSetup); }
    QAction* FileExit1() const { return Action(DocumentCommand::Exit); }
    QAction* EditCut1() const { return Action(DocumentCommand::Cut); }
    QAction* EditCopy1() const { return Action(DocumentCommand::Copy); }
    QAction* EditPaste1() const { return Action(DocumentCommand::Paste); }
    QAction* EditSelectAll1() const { return Action(DocumentCommand::SelectAll); }
    QAction* EditUndo1() const { return Action(DocumentCommand::Undo); }
    QAction* EditDelete1() const { return Action(DocumentCommand::Delete); }
    QAction* NewAction() const { return Action(DocumentCommand::New); }
    QAction* PrintAction() const { return Action(DocumentCommand::Print); }
    QAction* SaveAction() const { return Action(DocumentCommand::Save); }
    QAction* ClearHistoryAction() const { return Action(DocumentCommand::ClearHistory); }

    // The commands. Failures throw DocumentError (window/DocumentError.h); run through the
    // actions, they end in the error box.
    void NewActionExecute();
    void FileOpen1Execute();                         // the open dialog, then FileOpen1Accept
    void FileOpen1Accept(const QString& fileName);
    bool FileSaveAs1Execute();   // the save dialog, then FileSaveAs1Accept; false when cancelled
    void FileSaveAs1Accept(const QString& fileName);
    void SaveActionExecute();
    bool SaveResults();          // true when the history was written
    void PrintActionExecute();
    void FilePrintSetup1Execute();
    void FileExit1Execute();
    void ClearHistoryActionExecute();

    // The text box the Edit commands work on: the focused one of the two, else null.
    QTextEdit* EditTarget() const;
    // ==== end of document commands ====

    // ==== Help commands (Quick Start Guide, About): members below ====
    // (window/UnitMainHelp.cpp)
    QAction* MnuQuickStartGuide = nullptr;
    QAction* MnuAbout = nullptr;
    // Runs a Help window modally and returns its result (QDialog::exec by default); tests hand
    // in their own to drive the window without a nested event loop.
    std::function<int(QDialog&)> ShowHelpWindow;

    // ==== end of Help commands ====

public slots:
    void MnuAudioClick();
    // The one handler of the six precision items; the item's data() is its number of places.
    // An item whose number is outside DecimalPlaces changes nothing.
    void PrecisionClick(QAction* item);

    void ButtonClearClick();
    void ButtonRecallClick();
    void ButtonEvaluateClick();
    // Every key that inserts text; the key is found from sender().
    void ButtonTextKeyClick();
    void ListBoxFunctionsClick();

    // ==== Document command slots ====
    // The one handler of the action list: refreshes the enabled state, then runs the action's
    // command if it is still enabled. Failures go to the error box.
    void ActionListExecute(QAction* action);
    // The history box changed: the results document is dirty.
    void RichEditOutputChange();

    // ==== end of document command slots ====

    // ==== Help command slots ====
    void MnuQuickStartGuideClick();
    void MnuAboutClick();

    // ==== end of Help command slots ====

protected:
    void FormKeyDown(QKeyEvent* event);
    void FormKeyUp(QKeyEvent* event);
    void FormActivate();
    bool eventFilter(QObject* watched, QEvent* event) override;
    // A change of the regional settings reaches every window here, the application's included.
    void changeEvent(QEvent* event) override;

    void closeEvent(QCloseEvent* event) override;

private:
    // ---- Document commands (window/UnitMainDocument.cpp) ----
    QList<QAction*> actions_;
    // What the open and save dialogs start with next time: what was last accepted in them.
    QString OpenDialogName;
    int OpenDialogFilterIndex = 0;
    QString SaveDialogName;

    // The window's last focused control outside the menu bar: opening a menu from the keyboard
    // moves the focus to the bar, but the Edit commands still mean the box the user was in.
    QPointer<QWidget> LastEditFocus;
    // Kept up to date from the clipboard's change signal: asking the clipboard itself can wait
    // on another program, too slow for every keystroke.
    bool ClipboardHoldsText = false;

    // Brings the Edit actions' enabled state up to date.
    void UpdateEditActions();
    // Before the history is replaced or dropped: asks whether to save unsaved changes. False
    // when the command must be abandoned (Cancel, or a save that was cancelled or failed).
    bool MayDiscardHistory();
    void WriteResultsFile();     // writes the history to ResultsFile.Filename()
    bool askingToClose_ = false;  // the unsaved-changes question of a close is open

    // Run once at the end of construction: the document commands (UnitMainDocument.cpp) and the
    // Help menu (UnitMainHelp.cpp) fill their menus.
    void CreateDocumentCommands();
    void CreateHelpCommands();

    void BuildMenus();
    void BuildControls();
    void BuildKeypad();
    void BuildFunctionList();
    void ApplyFonts();
    void WidenForFunctionNames();
    void BuildMenuKeys();
    // Keys with a meaning of their own in one control; true when the key was used.
    bool KeypadKeyPressed(QObject* watched, QKeyEvent* key);
    bool FunctionListKeyPressed(QObject* watched, QKeyEvent* key);
    bool RecallKeyPressed(QObject* watched, QKeyEvent* key);
    bool IsOwnWidget(QObject* object) const;
    int SelectedFunctionRow() const;

    Platform platform_;
    QString applicationTitle_;
    std::unique_ptr<EvaluateCycle> cycle_;
    int precision_ = 2;
    bool activatedOnce_ = false;
    ScreenReaderAnnouncer* announcer_ = nullptr;
    std::unique_ptr<ResultsHistory> history_;
    SpokenFeedback* speech_ = nullptr;
    ExpressionRecall recall_;
    bool showingRecalled_ = false;  // the input box's text is being replaced by Up or Down
};

}  // namespace ferrolin
