// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Quick Start Guide: a fixed help text that can be read aloud, each word selected while it
// is spoken.
#include "dialogs/ReportError.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QStringList>
#include <QTimer>

#include <memory>

class QPlainTextEdit;
class QPushButton;

namespace ferrolin {

struct Platform;
class Voice;

class TFormHelp : public QDialog {
    Q_OBJECT
public:
    // `reportError` shows a speech failure in the application's error box. Without a voice
    // factory in `platform` the guide is shown with Play and Stop disabled.
    TFormHelp(QWidget* owner, const Platform& platform, ReportError reportError);
    ~TFormHelp() override;

    // Every way of closing (Close, the close box, Esc) ends here: the reading stops first.
    void done(int result) override;

public slots:
    void BitBtnPlayClick();
    void BitBtnStopClick();
    void Button1Click();
    // A word of the reading starts: `position` and `length` in the text that Play handed over.
    void SpVoice1Word(int position, int length);

public:
    // The word shown as being spoken (empty when none).
    QString HighlightedWord() const;

protected:
    // Enter presses a focused button, as Space does.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Found by their object names (the same names) from outside.
    QPlainTextEdit* const RichEdit1;
    QPushButton* const BitBtnPlay;
    QPushButton* const BitBtnStop;
    QPushButton* const Button1;

    void FormCreate();
    void FormClose();
    void LayOut();

    std::unique_ptr<Voice> SpVoice1;
    ReportError reportError_;
    void SpeakFrom(int position);
    void ReadingFinished();
    void ReadingInterrupted();
    void StartNextReading();
    void StopReading();

    // Set once a reading was handed to the voice: only then can closing leave speech running.
    bool readingStarted_ = false;

    // The guide reads at a priority that any screen reader's speech interrupts (and discards),
    // so that a key press is never held up behind the whole guide. The voice reports each
    // interruption, whether the phrase was playing or still waiting behind the screen reader; the
    // reading is then handed over again at once from the word it was on, and the speech service
    // holds it until the screen reader falls silent, then plays it straight away.
    QString reading_;           // the text being read; empty when no reading is going on
    int readingOffset_ = 0;     // where in reading_ the phrase the voice has now begins
    int lastWordStart_ = 0;     // in reading_
    QStringList queuedReadings_;  // Play pressed again during a reading: read next, in order
    QTimer resume_;              // holds back a resumption that would follow the last too closely
    QElapsedTimer lastHandedOver_;
    QElapsedTimer silentSince_;  // since the last word, or since the reading began
};

}  // namespace ferrolin
