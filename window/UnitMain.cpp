// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/UnitMain.h"

#include <algorithm>

#include <QCoreApplication>
#include <QFontMetrics>
#include <QLayout>

#include <QAccessible>
#include <QAction>
#include <QCloseEvent>
#include <QActionGroup>
#include <QApplication>
#include <QFontInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QIcon>
#include <QImageReader>
#include <QKeyEvent>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>
#include <string>
#include <vector>

#include "evaluator/FunctionTable.h"
#include "dialogs/DesignMetrics.h"
#include "evaluator/ResultFormat.h"
#include "platform/MessageBoxes.h"
#include "platform/Voice.h"
#include "window/ApplicationTitle.h"
#include "window/CheckableMenuItemAccessible.h"
#include "window/DocumentCommands.h"
#include "window/EvaluateCycle.h"
#include "window/HelpCommands.h"
#include "window/KeypadKeys.h"
#include "window/AltMenuGuard.h"
#include "window/BoxFrames.h"
#include "window/MenuBarKeyboardStyle.h"
#include "window/ResultsHistory.h"
#include "window/HistoryBox.h"
#include "window/ScreenReaderAnnouncer.h"
#include "window/SpokenFeedback.h"
#include "window/WindowFonts.h"

namespace ferrolin {

namespace {

// The icon, read by Qt's own PNG reader. Naming the format is not enough: unless told not to
// guess, the reader first loads every image plugin installed (GIF, ICO, JPEG, ...) to ask
// whether one of them would rather read it, at every start.
QIcon ApplicationIcon() {
    QImageReader reader(QStringLiteral(":/ferrolin.png"), "png");
    reader.setAutoDetectImageFormat(false);
    return QIcon(QPixmap::fromImage(reader.read()));
}


// Every size below is given at 120 pixels per inch and scaled to the screen's logical dpi
// (DesignMetrics).
constexpr int kClientWidth = 352;
constexpr int kClientHeight = 562;
// The smallest outer size is 360 x 550; Qt's minimum counts without the frame, so take off a
// usual frame (4 px each side) and caption (30 px).
constexpr int kMinimumWidth = 360 - 8;
constexpr int kMinimumHeight = 550 - 38;
constexpr int kToolBarHeight = 29;
constexpr int kInputHeight = 119;
constexpr int kBandHeight = 204;
constexpr int kKeyBoardWidth = 225;
constexpr int kKeyWidth = 50;
constexpr int kKeyHeight = 25;
constexpr int kKeyColumnX[kKeypadColumns] = {0, 56, 112, 168};
constexpr int kKeyRowY[] = {8, 39, 70, 101, 132, 163};
constexpr int kListRowHeight = 22;
constexpr int kWindowFontPixels = 13;
constexpr int kBoxFontPixels = 18;


std::string ToUtf8(const QString& text) { return text.toStdString(); }
QString FromUtf8(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

TForm1::TForm1(Platform platform, QWidget* parent)
    : QMainWindow(parent),
      platform_(std::move(platform)),
      applicationTitle_(ApplicationTitleFromPath(QCoreApplication::applicationFilePath())) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Ferrolin 2009"));
    setWindowIcon(ApplicationIcon());
    // Every other window of the program, message boxes included, shows the same icon.
    QApplication::setWindowIcon(windowIcon());
    setAccessibleName(QStringLiteral("Ferrolin 2009"));
    PreferredFamily();  // starts the font lookup, which the menus below do not wait for
    InstallCheckableMenuItemAccessibility();
    announcer_ = new ScreenReaderAnnouncer(this);

    precision_ = DecimalPlaces::kDefault;

    BuildMenus();
    const auto notice = [this](const QString& text) { ShowNotice(text); };
    const auto error = [this](const QString& message) { ShowErrorBox(message); };
    speech_ = new SpokenFeedback(*MnuAudio, platform_.makeVoice ? platform_.makeVoice() : nullptr, error, this);
    speech_->SetScreenReaderProbe(platform_.screenReaderRunning);
    // Before any control exists, so that none of them has to be told of a new font.
    setFont(PreferredFont(DesignMetrics(this).Px(kWindowFontPixels)));
    // The menu bar would take that font from the window, while its menus, windows of their own,
    // take the desktop's menu font: at some scale factors the bar then reads smaller than its
    // menus. The bar gets the menus' font, every property of it, so the window's does not reach it.
    QFont menuFont = QApplication::font(FileMenu);
    menuFont.setResolveMask(QFont::AllPropertiesResolved);
    menuBar()->setFont(menuFont);
    BuildControls();
    ApplyFonts();

    const DesignMetrics metrics(this);
    setMinimumSize(metrics.Px(kMinimumWidth), metrics.Px(kMinimumHeight));
    resize(metrics.Px(kClientWidth), metrics.Px(kClientHeight) + menuBar()->sizeHint().height());
    WidenForFunctionNames();

    // KeyPreview: the window sees every key meant for any of its controls first.
    qApp->installEventFilter(this);

    history_ = std::make_unique<ResultsHistory>(*RichEditOutput, *announcer_);
    cycle_ = std::make_unique<EvaluateCycle>(
        *RichEditInput, *history_, *speech_, EvaluateCycle::Boxes{notice, error});
    documents_ = std::make_unique<DocumentCommands>(
        DocumentCommands::Window{*this, *RichEditInput, *RichEditOutput, *history_, *speech_, platform_,
                                 applicationTitle_, notice, error},
        *FileMenu, *EditMenu);
    connect(documents_.get(), &DocumentCommands::Started, this, [this] { lastExpression_.clear(); });
    help_ = std::make_unique<HelpCommands>(*this, *HelpMenu, platform_, *speech_, applicationTitle_, error);
    BuildMenuKeys();
    RichEditInput->setFocus();
}

TForm1::~TForm1() {
    // ~QWidget still hides the window and moves the focus; by then nothing of TForm1 is left to
    // answer application-wide signals and events.
    if (qApp) {
        qApp->removeEventFilter(this);
        disconnect(qApp, nullptr, this, nullptr);
    }
}

void TForm1::BuildMenus() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    bar->setAccessibleName(QCoreApplication::translate("Menu", "Main menu"));

    FileMenu = bar->addMenu(QCoreApplication::translate("Menu", "&File"));
    FileMenu->setObjectName(QStringLiteral("FileMenu"));
    EditMenu = bar->addMenu(QCoreApplication::translate("Menu", "&Edit"));
    EditMenu->setObjectName(QStringLiteral("EditMenu"));

    MnuOptions = bar->addMenu(QCoreApplication::translate("Menu", "&Options"));
    MnuOptions->setObjectName(QStringLiteral("MnuOptions"));
    MnuAudio = MnuOptions->addAction(QCoreApplication::translate("Menu", "&Audio"));
    MnuAudio->setObjectName(QStringLiteral("MnuAudio"));
    MnuAudio->setCheckable(true);
    MnuAudio->setChecked(false);  // triggering the item flips the check mark

    mnuPrecision = MnuOptions->addMenu(QCoreApplication::translate("Menu", "&Precision"));
    mnuPrecision->setObjectName(QStringLiteral("mnuPrecision"));
    PrecisionItems = new QActionGroup(this);
    PrecisionItems->setExclusionPolicy(QActionGroup::ExclusionPolicy::None);
    static constexpr const char* kPrecisionNames[] = {"Precision1", "Precsion2", "Precision3",
                                                      "Precision4", "Precision5", "Precision6"};
    static_assert(std::size(kPrecisionNames) == DecimalPlaces::kMost - DecimalPlaces::kFewest + 1);
    for (int places = DecimalPlaces::kFewest; places <= DecimalPlaces::kMost; ++places) {
        QAction* item = mnuPrecision->addAction(QCoreApplication::translate("Menu", "&%1 Decimal Places").arg(places));
        item->setObjectName(QString::fromLatin1(kPrecisionNames[places - DecimalPlaces::kFewest]));
        item->setData(places);
        PrecisionItems->addAction(item);
    }
    connect(PrecisionItems, &QActionGroup::triggered, this, &TForm1::PrecisionClick);

    HelpMenu = bar->addMenu(QCoreApplication::translate("Menu", "&Help"));
    HelpMenu->setObjectName(QStringLiteral("HelpMenu"));

    auto* altGuard = new AltMenuGuard(this);
    for (QMenu* menu : {FileMenu, EditMenu, MnuOptions, HelpMenu}) altGuard->Watch(*menu);

    auto* style = new MenuBarKeyboardStyle();
    style->setParent(bar);
    bar->setStyle(style);
}

void TForm1::BuildMenuKeys() {
    // F10 opens the first menu, as in most desktop programs.
    auto* menuKey = new QShortcut(QKeySequence(Qt::Key_F10), this);
    menuKey->setObjectName(QStringLiteral("MenuBarKey"));
    connect(menuKey, &QShortcut::activated, this, [this] { menuBar()->setActiveAction(FileMenu->menuAction()); });
}

void TForm1::BuildControls() {
    const DesignMetrics metrics(this);

    ToolBar1 = addToolBar(QCoreApplication::translate("Window", "Toolbar"));
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolBar1->setAccessibleName(QCoreApplication::translate("Window", "Toolbar"));
    ToolBar1->setMovable(false);
    ToolBar1->setFloatable(false);
    ToolBar1->setFixedHeight(metrics.Px(kToolBarHeight));
    ToolBar1->toggleViewAction()->setVisible(false);
    setContextMenuPolicy(Qt::NoContextMenu);  // no "hide the toolbar" menu on the main window

    PanelMain = new QFrame(this);
    PanelMain->setObjectName(QStringLiteral("PanelMain"));
    PanelMain->setFrameShape(QFrame::StyledPanel);
    setCentralWidget(PanelMain);
    auto* column = new QVBoxLayout(PanelMain);
    column->setContentsMargins(metrics.Px(2), metrics.Px(2), metrics.Px(2), metrics.Px(2));
    column->setSpacing(metrics.Px(2));

    RichEditInput = new QTextEdit(PanelMain);
    RichEditInput->setObjectName(QStringLiteral("RichEditInput"));
    RichEditInput->setAccessibleName(QCoreApplication::translate("Window", "Expression"));
    RichEditInput->setAccessibleDescription(
        QCoreApplication::translate("Window", "Type an expression and press Enter to evaluate it"));
    RichEditInput->setAcceptRichText(false);
    // Word wrapping looks ahead through the rest of a run without a break opportunity for every
    // line it makes, which an expression ("1+2*3-...") is from end to end: a pasted 300 KB one
    // froze the window for seconds. An expression may break anywhere.
    RichEditInput->setWordWrapMode(QTextOption::WrapAnywhere);
    RichEditInput->setTabChangesFocus(true);
    RichEditInput->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    RichEditInput->setFixedHeight(metrics.Px(kInputHeight));
    // Typing (anything but Up and Down showing an earlier expression) starts the next walk afresh.
    connect(RichEditInput, &QTextEdit::textChanged, this, [this] {
        if (!showingRecalled_) recall_.Reset();
    });
    column->addWidget(RichEditInput);

    auto* band = new QWidget(PanelMain);
    band->setObjectName(QStringLiteral("PanelBand"));
    band->setFixedHeight(metrics.Px(kBandHeight));
    auto* row = new QHBoxLayout(band);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(metrics.Px(2));
    ListBoxFunctions = new QListWidget(band);
    row->addWidget(ListBoxFunctions, 1);
    PanelKeyBoard = new QFrame(band);
    PanelKeyBoard->setFixedWidth(metrics.Px(kKeyBoardWidth));
    row->addWidget(PanelKeyBoard);
    column->addWidget(band);

    RichEditOutput = new HistoryBox(PanelMain);
    RichEditOutput->setObjectName(QStringLiteral("RichEditOutput"));
    RichEditOutput->setAccessibleName(QCoreApplication::translate("Window", "Results history"));
    RichEditOutput->setReadOnly(true);
    // Read-only, but still reachable and readable from the keyboard.
    RichEditOutput->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    RichEditOutput->setFocusPolicy(Qt::StrongFocus);
    RichEditOutput->setTabChangesFocus(true);
    RichEditOutput->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    RichEditOutput->setUndoRedoEnabled(false);  // appended lines are not edits to undo
    column->addWidget(RichEditOutput, 1);

    BuildFunctionList();
    BuildKeypad();
    for (QFrame* box : {static_cast<QFrame*>(RichEditInput), static_cast<QFrame*>(ListBoxFunctions),
                        static_cast<QFrame*>(RichEditOutput)})
        FrameForEveryScale(*box);

    // Tab order: expression, functions, the keys row by row, history.
    QWidget* previous = RichEditInput;
    setTabOrder(previous, ListBoxFunctions);
    previous = ListBoxFunctions;
    for (const KeyDefinition& key : KeypadKeys()) {
        auto* button = PanelKeyBoard->findChild<QPushButton*>(QString::fromLatin1(key.objectName));
        setTabOrder(previous, button);
        previous = button;
    }
    setTabOrder(previous, RichEditOutput);
}

void TForm1::BuildKeypad() {
    const DesignMetrics metrics(this);

    PanelKeyBoard->setObjectName(QStringLiteral("PanelKeyBoard"));
    PanelKeyBoard->setAccessibleName(QCoreApplication::translate("Window", "Keypad"));
    PanelKeyBoard->setFrameShape(QFrame::StyledPanel);

    const auto keys = KeypadKeys();
    for (std::size_t i = 0; i < keys.size(); ++i) {
        const KeyDefinition& key = keys[i];
        auto* button = new QPushButton(QCoreApplication::translate("Keypad", key.caption), PanelKeyBoard);
        button->setObjectName(QString::fromLatin1(key.objectName));
        button->setAccessibleName(QCoreApplication::translate("Keypad", key.accessibleName));
        button->setAutoDefault(false);
        button->setProperty(kKeyIndexProperty, static_cast<int>(i));
        const int column = static_cast<int>(i) % kKeypadColumns;
        const int rowIndex = static_cast<int>(i) / kKeypadColumns;
        button->setGeometry(metrics.Rect(kKeyColumnX[column], kKeyRowY[rowIndex], kKeyWidth, kKeyHeight));
        switch (key.kind) {
        case KeyDefinition::Kind::Text:
            connect(button, &QPushButton::clicked, this, &TForm1::ButtonTextKeyClick);
            break;
        case KeyDefinition::Kind::Clear:
            connect(button, &QPushButton::clicked, this, &TForm1::ButtonClearClick);
            break;
        case KeyDefinition::Kind::Recall:
            connect(button, &QPushButton::clicked, this, &TForm1::ButtonRecallClick);
            break;
        case KeyDefinition::Kind::Evaluate:
            connect(button, &QPushButton::clicked, this, &TForm1::ButtonEvaluateClick);
            break;
        }
    }
}

void TForm1::BuildFunctionList() {
    const int rowHeight = DesignMetrics(this).Px(kListRowHeight);

    ListBoxFunctions->setObjectName(QStringLiteral("ListBoxFunctions"));
    ListBoxFunctions->setAccessibleName(QCoreApplication::translate("Window", "Functions"));
    ListBoxFunctions->setAccessibleDescription(
        QCoreApplication::translate("Window", "Choosing a function inserts it into the expression"));
    ListBoxFunctions->setSelectionMode(QAbstractItemView::SingleSelection);
    ListBoxFunctions->setUniformItemSizes(true);
    for (const FunctionInfo* function : FunctionsInListOrder()) {
        auto* item = new QListWidgetItem(
            QString::fromUtf8(function->name.data(), static_cast<qsizetype>(function->name.size())) +
                QStringLiteral("()"),
            ListBoxFunctions);
        item->setSizeHint(QSize(0, rowHeight));
    }
    // A click inserts the entry at once. The keyboard only moves the selection (so that a screen
    // reader reads each entry) until Enter or Space inserts it: see FunctionListKeyPressed.
    connect(ListBoxFunctions, &QListWidget::itemClicked, this, [this] { ListBoxFunctionsClick(); });
}

void TForm1::ApplyFonts() {
    const DesignMetrics metrics(this);
    const QFont boxFont = PreferredFont(metrics.Px(kBoxFontPixels));
    RichEditInput->setFont(boxFont);
    RichEditOutput->setFont(boxFont);
    ListBoxFunctions->setFont(boxFont);

    // The keys are sized for Tahoma; a wider fallback font is made smaller until every caption
    // fits its key whole.
    QFont keyFont = boxFont;
    const int room = metrics.Px(kKeyWidth) - 6;
    auto widestCaption = [this](const QFont& font) {
        const QFontMetrics metrics(font);
        int widest = 0;
        for (const QPushButton* key : PanelKeyBoard->findChildren<QPushButton*>())
            widest = std::max(widest, metrics.horizontalAdvance(key->text()));
        return widest;
    };
    // Each size tried loads a font, so start from the size the widths call for (they grow in
    // proportion to it, give or take a pixel of hinting) and step down from there.
    if (const int widest = widestCaption(keyFont); widest > room) {
        keyFont.setPixelSize(std::max(8, keyFont.pixelSize() * room / widest));
        while (keyFont.pixelSize() > 8 && widestCaption(keyFont) > room) keyFont.setPixelSize(keyFont.pixelSize() - 1);
    }
    PanelKeyBoard->setFont(keyFont);
}

void TForm1::WidenForFunctionNames() {
    // Likewise the list: with a wider font the window starts wider, so that no name is cut off.
    if (QLayout* layout = centralWidget()->layout()) layout->activate();
    const QFontMetrics metrics(ListBoxFunctions->font());
    int widest = 0;
    for (int row = 0; row < ListBoxFunctions->count(); ++row)
        widest = std::max(widest, metrics.horizontalAdvance(ListBoxFunctions->item(row)->text()));
    const int room = ListBoxFunctions->width() - 2 * ListBoxFunctions->frameWidth() -
                     ListBoxFunctions->verticalScrollBar()->sizeHint().width();
    const int shortfall = widest + 12 - room;  // 12: the item's own padding on both sides
    if (shortfall > 0) resize(width() + shortfall, height());
    // ... and can never be made narrower than the names.
    ListBoxFunctions->setMinimumWidth(widest + 12 + 2 * ListBoxFunctions->frameWidth() +
                                      ListBoxFunctions->verticalScrollBar()->sizeHint().width());
    setMinimumWidth(std::max(minimumWidth(), minimumSizeHint().width()));
}

// ---- Failures and notices ----

void TForm1::ShowErrorBox(const QString& message) {
    if (!platform_.messageBoxes) {
        return;
    }
    QWidget* owner = QApplication::activeWindow();
    platform_.messageBoxes->ShowError(owner ? owner : this, applicationTitle_,
                                      FromUtf8(ErrorBoxText(ToUtf8(message))));
}

void TForm1::ShowNotice(const QString& text) {
    if (platform_.messageBoxes) {
        platform_.messageBoxes->ShowNotice(applicationTitle_, text);
    }
}

// ---- Regional settings ----

void TForm1::SetDecimalSeparatorSource(std::function<QString()> source) {
    cycle_->SetDecimalSeparatorSource(std::move(source));
}


// ---- The evaluate cycle ----

void TForm1::EvaluateInput() {
    const std::optional<QString> expression = cycle_->Run(precision_);
    if (!expression) {
        return;
    }
    lastExpression_ = *expression;
    recall_.Add(lastExpression_);

    RichEditInput->clear();
    RichEditInput->setFocus();
}

void TForm1::InsertText(const QString& text) {
    // The focus moves first: a screen reader then announces the box and reads what goes into it,
    // where an insertion into a box that is not yet focused goes unheard.
    RichEditInput->setFocus();
    QTextCursor cursor = RichEditInput->textCursor();
    cursor.insertText(text);  // replaces the selection; the caret ends after the text
    RichEditInput->setTextCursor(cursor);
}

// ---- Options ----

void TForm1::MnuAudioClick() { MnuAudio->toggle(); }

void TForm1::PrecisionClick(QAction* item) {
    bool ok = false;
    const int places = item ? item->data().toInt(&ok) : 0;
    if (ok && DecimalPlaces::Allowed(places)) {
        precision_ = places;
    }
}

void TForm1::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LocaleChange && cycle_) {
        cycle_->ReadDecimalSeparator();
    }
    QMainWindow::changeEvent(event);
}

// ---- Document and Help commands ----

void TForm1::NewActionExecute() { documents_->New(); }
void TForm1::FileOpen1Execute() { documents_->Open(); }
void TForm1::FileOpen1Accept(const QString& fileName) { documents_->OpenFile(fileName); }
bool TForm1::FileSaveAs1Execute() { return documents_->SaveAs(); }
void TForm1::FileSaveAs1Accept(const QString& fileName) { documents_->SaveAsFile(fileName); }
void TForm1::SaveActionExecute() { documents_->Save(); }
bool TForm1::SaveResults() { return documents_->SaveResults(); }
void TForm1::PrintActionExecute() { documents_->Print(); }
void TForm1::FilePrintSetup1Execute() { documents_->PrintSetup(); }
void TForm1::FileExit1Execute() { documents_->Exit(); }
void TForm1::ClearHistoryActionExecute() { documents_->ClearHistory(); }
void TForm1::ActionListExecute(QAction* action) { documents_->Execute(action); }
void TForm1::RichEditOutputChange() { documents_->HistoryChanged(); }
void TForm1::MnuQuickStartGuideClick() { help_->ShowGuide(); }
void TForm1::MnuAboutClick() { help_->ShowAbout(); }

void TForm1::closeEvent(QCloseEvent* event)
{
    if (!documents_->MayClose()) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}

}  // namespace ferrolin
