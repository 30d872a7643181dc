// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's controls and menus: how each is built, placed and named, and the fonts that
// keep the keys' captions and the functions' names whole at any font and scale.
#include <QActionGroup>
#include <QApplication>
#include <QFontMetrics>
#include <QFrame>
#include <QHBoxLayout>
#include <QLayout>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QTextEdit>
#include <QToolBar>
#include <QVBoxLayout>
#include <algorithm>

#include "dialogs/DesignMetrics.h"
#include "evaluator/FunctionTable.h"
#include "evaluator/ResultFormat.h"
#include "window/AltMenuGuard.h"
#include "window/ControlsStyle.h"
#include "window/EvaluateCommand.h"
#include "window/HistoryBox.h"
#include "window/KeypadKeys.h"
#include "window/UnitMain.h"
#include "window/WindowFonts.h"

namespace ferrolin {

namespace {

// Every size below is given at 120 pixels per inch and scaled to the screen's logical dpi
// (DesignMetrics).
constexpr int kToolBarHeight = 29;
constexpr int kInputHeight = 119;
constexpr int kBandHeight = 204;
constexpr int kKeyBoardWidth = 225;
constexpr int kKeyWidth = 50;
constexpr int kKeyHeight = 25;
constexpr int kKeyColumnX[kKeypadColumns] = {0, 56, 112, 168};
constexpr int kKeyRowY[] = {8, 39, 70, 101, 132, 163};
constexpr int kListRowHeight = 22;
constexpr int kBoxFontPixels = 18;

}  // namespace

void TForm1::BuildMenus() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    bar->setAccessibleName(QCoreApplication::translate("Menu", "Main menu"));
    // Style and font come before the menus: a bar that has menus lays all of them out again at
    // each change, measuring their titles in a font loaded for the purpose.
    bar->setStyle(ControlsStyle::Shared());
    // The bar would take the window's font, while its menus, windows of their own, take the
    // desktop's menu font: at some scale factors the bar then reads smaller than its menus. The
    // bar gets the menus' font, every property of it, so the window's never reaches it.
    QFont menuFont = QApplication::font("QMenu");
    menuFont.setResolveMask(QFont::AllPropertiesResolved);
    bar->setFont(menuFont);

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
    RichEditInput->setStyle(ControlsStyle::Shared());  // the frames (ControlsStyle.h)
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
        if (evaluate_) evaluate_->InputEdited();
    });
    column->addWidget(RichEditInput);

    auto* band = new QWidget(PanelMain);
    band->setObjectName(QStringLiteral("PanelBand"));
    band->setFixedHeight(metrics.Px(kBandHeight));
    auto* row = new QHBoxLayout(band);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(metrics.Px(2));
    ListBoxFunctions = new QListWidget(band);
    ListBoxFunctions->setStyle(ControlsStyle::Shared());
    row->addWidget(ListBoxFunctions, 1);
    PanelKeyBoard = new QFrame(band);
    PanelKeyBoard->setFixedWidth(metrics.Px(kKeyBoardWidth));
    row->addWidget(PanelKeyBoard);
    column->addWidget(band);

    RichEditOutput = new HistoryBox(PanelMain);
    RichEditOutput->setObjectName(QStringLiteral("RichEditOutput"));
    RichEditOutput->setStyle(ControlsStyle::Shared());
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
    // The layouts around it still hold the list's old minimum: asked afresh, the window's
    // smallest width keeps every key beside the list in view too.
    for (QWidget* widget = ListBoxFunctions->parentWidget(); widget != this; widget = widget->parentWidget())
        widget->updateGeometry();
    setMinimumWidth(std::max(minimumWidth(), minimumSizeHint().width()));
}

}  // namespace ferrolin
