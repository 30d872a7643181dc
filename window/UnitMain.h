// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The calculator's main window: it builds the input box, keypad, function list, results history
// and menus, handles the keys and the Options menu, and hands each job to its unit: the evaluate
// command (EvaluateCommand), the history (ResultsHistory), spoken feedback (SpokenFeedback), the
// File and Edit menus (DocumentCommands) and the Help menu (HelpCommands).
#include <QMainWindow>
#include <QString>
#include <functional>
#include <memory>

#include "platform/Platform.h"

class QAction;
class QCloseEvent;
class QShowEvent;
class QActionGroup;
class QFrame;
class QListWidget;
class QMenu;
class QPushButton;
class QTextEdit;
class QToolBar;

namespace ferrolin {

class DocumentCommands;
class EvaluateCommand;
class HelpCommands;
class ResultsHistory;
class ScreenReaderAnnouncer;
class SpokenFeedback;
class WindowDisplay;

class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    explicit TForm1(Platform platform, QWidget* parent = nullptr);
    ~TForm1() override;

    // ---- The window's units ----
    // Controls and menu items are found by their object names (RichEditInput, MnuAudio, ...).
    // The results history's lines: everything that reads or changes the history goes through it.
    ResultsHistory& History() { return *history_; }
    const ResultsHistory& History() const { return *history_; }
    // Spoken feedback: whether Audio is on, the window's voice and its failures.
    SpokenFeedback& Speech() { return *speech_; }
    const SpokenFeedback& Speech() const { return *speech_; }
    // The File and Edit menus' actions, the results file and its unsaved changes.
    const DocumentCommands& Documents() const { return *documents_; }
    // The Help menu's windows.
    HelpCommands& Help() { return *help_; }

    // ---- Window state ----
    // The last expression that evaluated; Recall inserts it again.
    QString LastExpression() const;
    // Decimal places chosen in Options > Precision (DecimalPlaces).
    int Precision() const;
    // The application title: from the program file's name, used by every message box.
    QString ApplicationTitle() const { return applicationTitle_; }

    // ---- Regional settings ----
    // Where the decimal separator of results and comma lists comes from (default: QLocale::system()); read now and on every
    // QEvent::LocaleChange. Tests hand in their own.
    void SetDecimalSeparatorSource(std::function<QString()> source);

    // ---- Commands ----
    // What "=" and Enter do (EvaluateCommand::Evaluate).
    void EvaluateInput();
    // The error box for a failure's message (a full stop is added by the usual rule).
    void ShowErrorBox(const QString& message);
    // File > Save As to `fileName`, without the dialog. Failures throw DocumentError.
    void FileSaveAs1Accept(const QString& fileName);
    // Save, or Save As the first time; true when the history was written. Failures throw DocumentError.
    bool SaveResults();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // A change of the regional settings reaches every window here, the application's included.
    void changeEvent(QEvent* event) override;
    // Closing the window (Exit, the title bar, the desktop) first asks about unsaved changes.
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void FormKeyDown(QKeyEvent* event);
    void FormKeyUp(QKeyEvent* event);
    void FormActivate();
    // The one handler of the six precision items; the item's data() is its number of places.
    void PrecisionClick(QAction* item);
    void ButtonClearClick();
    void ButtonRecallClick();
    void ButtonEvaluateClick();
    // Every key that inserts text; the key is found from sender().
    void ButtonTextKeyClick();
    void ListBoxFunctionsClick();

    // Replaces the input box's selection (or inserts at the caret) and focuses the box.
    void InsertText(const QString& text);
    // A plain notice with the application title.
    void ShowNotice(const QString& text);

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

    // Controls, named as their object names.
    QToolBar* ToolBar1 = nullptr;          // empty, 29 px high
    QFrame* PanelMain = nullptr;           // the bordered panel below the toolbar
    QTextEdit* RichEditInput = nullptr;    // the expression, plain text
    QFrame* PanelKeyBoard = nullptr;       // the 24 keys
    QListWidget* ListBoxFunctions = nullptr;
    QTextEdit* RichEditOutput = nullptr;   // shows the results history, read-only
    // The menu bar, in this order: File, Edit, Options, Help.
    QMenu* FileMenu = nullptr;    // filled by the document commands
    QMenu* EditMenu = nullptr;    // filled by the document commands
    QMenu* MnuOptions = nullptr;
    QAction* MnuAudio = nullptr;  // checkable; checked: the window speaks (see SpokenFeedback)
    QMenu* mnuPrecision = nullptr;
    QActionGroup* PrecisionItems = nullptr;  // six items, data() = 1..6
    QMenu* HelpMenu = nullptr;    // filled by the Help commands

    bool activatedOnce_ = false;
    bool shownOnce_ = false;
    ScreenReaderAnnouncer* announcer_ = nullptr;
    SpokenFeedback* speech_ = nullptr;
    // Declared after platform_ and the controls they use, so destroyed before them.
    std::unique_ptr<ResultsHistory> history_;
    std::unique_ptr<WindowDisplay> display_;
    std::unique_ptr<EvaluateCommand> evaluate_;
    std::unique_ptr<DocumentCommands> documents_;
    std::unique_ptr<HelpCommands> help_;
};

}  // namespace ferrolin
