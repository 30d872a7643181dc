// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/UnitMain.h"

#include <QAccessible>
#include <QAction>
#include <QCloseEvent>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QTextEdit>
#include <QThreadPool>
#include <QTimer>
#include <string>

#include "dialogs/DesignMetrics.h"
#include "evaluator/ResultFormat.h"
#include "platform/MessageBoxes.h"
#include "platform/Voice.h"
#include "window/ApplicationIcon.h"
#include "window/ApplicationTitle.h"
#include "window/BackingStorePages.h"
#include "window/CheckableMenuItemAccessible.h"
#include "window/DocumentCommands.h"
#include "window/EvaluateCommand.h"
#include "window/HelpCommands.h"
#include "window/ResultsHistory.h"
#include "window/ScreenReaderAnnouncer.h"
#include "window/SpokenFeedback.h"
#include "window/WindowDisplay.h"
#include "window/WindowFonts.h"

namespace ferrolin {

namespace {

// Every size below is given at 120 pixels per inch and scaled to the screen's logical dpi
// (DesignMetrics).
constexpr int kClientWidth = 352;
constexpr int kClientHeight = 562;
// The smallest outer size is 360 x 550; Qt's minimum counts without the frame, so take off a
// usual frame (4 px each side) and caption (30 px).
constexpr int kMinimumWidth = 360 - 8;
constexpr int kMinimumHeight = 550 - 38;
constexpr int kWindowFontPixels = 13;


std::string ToUtf8(const QString& text) { return text.toStdString(); }
QString FromUtf8(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

TForm1::TForm1(Platform platform, QWidget* parent)
    : QMainWindow(parent),
      platform_(std::move(platform)),
      applicationTitle_(ApplicationTitleFromPath(QCoreApplication::applicationFilePath())) {
    // Qt's raster engine splits every fill of 96 scanlines or more (a scroll bar, the tool bar's
    // lines) into parts for its global thread pool, and waits for them. Fills this small cost
    // less than the hand-off, and with the pool's default size the first paint also starts a
    // second pool thread. One thread, started below for the font lookup, takes them all.
    QThreadPool::globalInstance()->setMaxThreadCount(1);
    // The font lookup waits for fontconfig and then reads every font on the system: it runs on a
    // pool thread while the menus and controls below, which need no font metrics, are built.
    PreferredFamily();
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Ferrolin 2009"));
    setWindowIcon(ApplicationIcon());
    // Every other window of the program, message boxes included, shows the same icon.
    QApplication::setWindowIcon(windowIcon());
    setAccessibleName(QStringLiteral("Ferrolin 2009"));
    InstallCheckableMenuItemAccessibility();
    announcer_ = new ScreenReaderAnnouncer(this);

    BuildMenus();
    const auto notice = [this](const QString& text) { ShowNotice(text); };
    const auto error = [this](const QString& message) { ShowErrorBox(message); };
    speech_ = new SpokenFeedback(*MnuAudio, platform_.makeVoice ? platform_.makeVoice() : nullptr, error, this);
    speech_->SetScreenReaderProbe(platform_.screenReaderRunning);
    // Before any control exists, so that none of them has to be told of a new font. The menu bar
    // has its own font already (BuildMenus), which this one does not replace.
    setFont(PreferredFont(DesignMetrics(this).Px(kWindowFontPixels)));
    BuildControls();
    ApplyFonts();

    const DesignMetrics metrics(this);
    setMinimumSize(metrics.Px(kMinimumWidth), metrics.Px(kMinimumHeight));
    resize(metrics.Px(kClientWidth), metrics.Px(kClientHeight) + menuBar()->sizeHint().height());
    WidenForFunctionNames();

    // KeyPreview: the window sees every key meant for any of its controls first.
    qApp->installEventFilter(this);

    history_ = std::make_unique<ResultsHistory>(*RichEditOutput, *announcer_);
    display_ = std::make_unique<WindowDisplay>(*RichEditInput, *history_, *speech_, notice, error);
    evaluate_ = std::make_unique<EvaluateCommand>(*display_);
    documents_ = std::make_unique<DocumentCommands>(
        DocumentCommands::Window{*this, *RichEditInput, *RichEditOutput, *history_, *speech_, platform_,
                                 applicationTitle_, notice, error},
        *FileMenu, *EditMenu);
    connect(documents_.get(), &DocumentCommands::Started, this, [this] { evaluate_->ForgetLastExpression(); });
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
    evaluate_->SetDecimalSeparatorSource(std::move(source));
}

void TForm1::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (shownOnce_) return;
    shownOnce_ = true;
    // The first paint waits for the window system to map the window; meanwhile the backing
    // store is made and its pages mapped.
    QTimer::singleShot(0, this, [this] {
        if (isVisible()) MapBackingStorePages(*this);
    });
}

void TForm1::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LocaleChange && evaluate_) {
        evaluate_->ReadDecimalSeparator();
    }
    QMainWindow::changeEvent(event);
}

// ---- The evaluate command and Options ----

QString TForm1::LastExpression() const { return evaluate_->LastExpression(); }
int TForm1::Precision() const { return evaluate_->Precision(); }

void TForm1::EvaluateInput() { evaluate_->Evaluate(); }

void TForm1::InsertText(const QString& text) { display_->InsertInput(text); }

void TForm1::PrecisionClick(QAction* item) {
    if (item) {
        evaluate_->SetPrecision(item->data().toInt());  // not a number: 0, which changes nothing
    }
}

// ---- Document commands ----

void TForm1::FileSaveAs1Accept(const QString& fileName) { documents_->SaveAsFile(fileName); }
bool TForm1::SaveResults() { return documents_->SaveResults(); }

void TForm1::closeEvent(QCloseEvent* event)
{
    if (!documents_->MayClose()) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}

}  // namespace ferrolin
