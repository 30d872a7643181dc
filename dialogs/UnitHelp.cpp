// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/UnitHelp.h"

#include "dialogs/ButtonPictures.h"
#include "dialogs/DesignMetrics.h"
#include "dialogs/GuideText.h"
#include "platform/Platform.h"
#include "platform/UiLanguage.h"
#include "platform/Voice.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>

#include <algorithm>
#include <climits>
#include <utility>

namespace ferrolin {

namespace {

// A screen reader cuts a waiting phrase with each thing it says, a few times a second at most; a
// service that cuts every phrase at once would otherwise have it handed over in a tight loop.
constexpr qint64 kMinResumeSpacingMs = 100;
// A screen reader may talk for a long time; after this long without a word the reading ends.
constexpr qint64 kGiveUpAfterSilenceMs = 120'000;

std::unique_ptr<Voice> MakeVoice(const Platform& platform)
{
    return platform.makeVoice ? platform.makeVoice() : nullptr;
}

}  // namespace

TFormHelp::TFormHelp(QWidget* owner, const Platform& platform, ReportError reportError)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                         | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      RichEdit1(new QPlainTextEdit(this)),
      BitBtnPlay(new QPushButton(this)),
      BitBtnStop(new QPushButton(this)),
      Button1(new QPushButton(tr("Close"), this)),
      SpVoice1(MakeVoice(platform)),
      reportError_(std::move(reportError))
{
    setObjectName(QStringLiteral("FormHelp"));
    setWindowTitle(QCoreApplication::translate("Guide", "Quick Start Guide"));

    RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
    RichEdit1->setAccessibleName(QCoreApplication::translate("Guide", "Quick Start Guide text"));
    RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Tab would otherwise type into the guide and keep keyboard users from reaching the buttons.
    RichEdit1->setTabChangesFocus(true);
    RichEdit1->setPlainText(GuideText());

    BitBtnPlay->setObjectName(QStringLiteral("BitBtnPlay"));
    BitBtnPlay->setAccessibleName(QCoreApplication::translate("Guide", "Play"));
    BitBtnPlay->setToolTip(tr("Read the guide aloud"));
    BitBtnStop->setObjectName(QStringLiteral("BitBtnStop"));
    BitBtnStop->setAccessibleName(QCoreApplication::translate("Guide", "Stop"));
    BitBtnStop->setToolTip(tr("Stop reading"));
    Button1->setObjectName(QStringLiteral("Button1"));
    for (QPushButton* button : {BitBtnPlay, BitBtnStop, Button1}) {
        button->setAutoDefault(false);
        button->installEventFilter(this);
    }

    LayOut();

    connect(BitBtnPlay, &QPushButton::clicked, this, &TFormHelp::BitBtnPlayClick);
    connect(BitBtnStop, &QPushButton::clicked, this, &TFormHelp::BitBtnStopClick);
    connect(Button1, &QPushButton::clicked, this, &TFormHelp::Button1Click);
    resume_.setSingleShot(true);
    connect(&resume_, &QTimer::timeout, this, [this] {
        if (!reading_.isEmpty())
            SpeakFrom(lastWordStart_);
    });
    if (SpVoice1) {
        SpVoice1->SetPriority(SpeechPriority::Text);
        SpVoice1->SetLanguage(SpeechLanguage());  // the language the guide is shown in
        connect(SpVoice1.get(), &Voice::Word, this, &TFormHelp::SpVoice1Word);
        connect(SpVoice1.get(), &Voice::Finished, this, &TFormHelp::ReadingFinished);
        connect(SpVoice1.get(), &Voice::Interrupted, this, &TFormHelp::ReadingInterrupted);
        // A lost service ends the reading: resuming it would only fail again.
        connect(SpVoice1.get(), &Voice::Failed, this, [this](const QString& message) {
            StopReading();
            reportError_(message);
        });
    } else {
        BitBtnPlay->setEnabled(false);
        BitBtnStop->setEnabled(false);
    }

    FormCreate();
}

TFormHelp::~TFormHelp() = default;

void TFormHelp::LayOut()
{
    const DesignMetrics metrics(this);
    setFixedSize(metrics.Size(515, 440));
    RichEdit1->setGeometry(metrics.Rect(0, 0, 515, 400));
    RichEdit1->setFont(metrics.Tahoma(17));

    const int pictureSide = metrics.Px(24);
    BitBtnPlay->setGeometry(metrics.Rect(4, 401, 41, 38));
    BitBtnPlay->setIcon(PlayIcon());
    BitBtnPlay->setIconSize({pictureSide, pictureSide});
    BitBtnStop->setGeometry(metrics.Rect(49, 401, 42, 38));
    BitBtnStop->setIcon(StopIcon());
    BitBtnStop->setIconSize({pictureSide, pictureSide});
    Button1->setGeometry(metrics.Rect(515 - 4 - 62, 401, 62, 38));
    // "Close" in another language may need more room than the design gave it: the key grows
    // leftwards, towards the empty middle of the row.
    if (const int wanted = Button1->sizeHint().width(); wanted > Button1->width())
        Button1->setGeometry(Button1->geometry().adjusted(Button1->width() - wanted, 0, 0, 0));
}

void TFormHelp::FormCreate()
{
    RichEdit1->moveCursor(QTextCursor::Start);
    RichEdit1->ensureCursorVisible();
    RichEdit1->setFocus();
}

void TFormHelp::BitBtnPlayClick()
{
    // The very string whose positions the box's cursor counts: paragraph breaks come out as one
    // line feed each, so the reported word positions select the word without drifting.
    const QString text = RichEdit1->toPlainText();
    if (text.isEmpty() || !SpVoice1)
        return;
    RichEdit1->setFocus();
    queuedReadings_.append(text);
    if (reading_.isEmpty())
        StartNextReading();
}

void TFormHelp::StartNextReading()
{
    reading_ = queuedReadings_.takeFirst();
    lastWordStart_ = 0;
    silentSince_.start();
    SpeakFrom(0);
}

void TFormHelp::SpeakFrom(int position)
{
    readingOffset_ = position;
    SpVoice1->Speak(reading_.mid(position));
    readingStarted_ = true;
    lastHandedOver_.start();
}

void TFormHelp::ReadingFinished()
{
    if (reading_.isEmpty())
        return;
    reading_.clear();
    if (!queuedReadings_.isEmpty())
        StartNextReading();
}

void TFormHelp::ReadingInterrupted()
{
    if (reading_.isEmpty() || resume_.isActive())
        return;
    // Cut again and again without a word heard for minutes: the reading is given up rather than
    // handed over for ever.
    if (silentSince_.hasExpired(kGiveUpAfterSilenceMs)) {
        StopReading();
        return;
    }
    resume_.start(static_cast<int>(std::max<qint64>(0, kMinResumeSpacingMs - lastHandedOver_.elapsed())));
}

void TFormHelp::StopReading()
{
    resume_.stop();
    reading_.clear();
    queuedReadings_.clear();
}

void TFormHelp::BitBtnStopClick()
{
    if (!SpVoice1)
        return;
    StopReading();
    SpVoice1->Purge();
}

void TFormHelp::Button1Click()
{
    // done() stops the reading, as for every other way of closing.
    reject();
}

void TFormHelp::SpVoice1Word(int position, int length)
{
    if (!reading_.isEmpty()) {
        // Positions count from where the phrase the voice has now begins; 64 bits, as the
        // service's numbers are not to be trusted.
        const qint64 size = reading_.size();
        const qint64 start = std::clamp<qint64>(qint64(position) + readingOffset_, 0, size);
        lastWordStart_ = static_cast<int>(start);
        position = static_cast<int>(std::clamp<qint64>(qint64(position) + readingOffset_, INT_MIN, INT_MAX));
        silentSince_.start();
    }
    // A word of a reading started before the text was edited can lie past the current end.
    const qint64 end = RichEdit1->document()->characterCount() - 1;
    const qint64 wordStart = position;
    const qint64 wordEnd = wordStart + std::max(length, 0);
    const int start = static_cast<int>(std::clamp<qint64>(wordStart, 0, end));
    const int stop = static_cast<int>(std::clamp<qint64>(wordEnd, start, end));
    // Shown like a selection, but not the box's selection: a screen reader would read out every
    // change of that ("selected", "unselected") and queue it behind the reading.
    QTextEdit::ExtraSelection word;
    word.cursor = QTextCursor(RichEdit1->document());
    word.cursor.setPosition(start);
    word.cursor.setPosition(stop, QTextCursor::KeepAnchor);
    word.format.setBackground(RichEdit1->palette().brush(QPalette::Active, QPalette::Highlight));
    word.format.setForeground(RichEdit1->palette().brush(QPalette::Active, QPalette::HighlightedText));
    RichEdit1->setExtraSelections({word});
    // Scrolled into view without moving the caret (the box scrolls by lines).
    QTextCursor atWord(RichEdit1->document());
    atWord.setPosition(start);
    const QRect where = RichEdit1->cursorRect(atWord);
    if (!RichEdit1->viewport()->rect().contains(where)) {
        const int linesShown = RichEdit1->viewport()->height() / std::max(1, where.height());
        RichEdit1->verticalScrollBar()->setValue(atWord.block().firstLineNumber() - linesShown / 2);
    }
}

QString TFormHelp::HighlightedWord() const
{
    const QList<QTextEdit::ExtraSelection> shown = RichEdit1->extraSelections();
    return shown.isEmpty() ? QString() : shown.first().cursor.selectedText();
}

void TFormHelp::FormClose()
{
    // Only a reading handed to the voice can still be going on; a window that never read
    // anything closes without reaching (or starting) the speech service.
    StopReading();
    if (!readingStarted_)
        return;
    readingStarted_ = false;
    // The window closes all the same; a failure is reported (once) through the voice's Failed.
    SpVoice1->Purge();
}

bool TFormHelp::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        auto* button = qobject_cast<QPushButton*>(watched);
        if (button && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
            && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
            if (!key->isAutoRepeat())
                button->click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TFormHelp::done(int result)
{
    FormClose();
    QDialog::done(result);
}

}  // namespace ferrolin
