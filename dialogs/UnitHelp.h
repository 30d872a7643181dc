#pragma once
// The Quick Start Guide: a fixed help text that can be read aloud, each word selected while it
// is spoken.
#include "dialogs/ReportError.h"

#include <QDialog>

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

    QPlainTextEdit* const RichEdit1;
    QPushButton* const BitBtnPlay;
    QPushButton* const BitBtnStop;
    QPushButton* const Button1;

public slots:
    void BitBtnPlayClick();
    void BitBtnStopClick();
    void Button1Click();
    // A word of the reading starts: `position` and `length` in the text that Play handed over.
    void SpVoice1Word(int position, int length);

protected:
    // Enter presses a focused button, as Space does.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate();
    void FormClose();
    void LayOut();

    std::unique_ptr<Voice> SpVoice1;
    ReportError reportError_;
    // Set once a reading was handed to the voice: only then can closing leave speech running.
    bool readingStarted_ = false;
};

}  // namespace ferrolin
