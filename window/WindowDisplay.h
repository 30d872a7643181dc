// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window as the evaluate command sees it: its input box, message boxes, spoken
// feedback and results history.
#include <QString>
#include <functional>

#include "dialogs/ReportError.h"
#include "window/CalcDisplay.h"

class QTextEdit;

namespace ferrolin {

class ResultsHistory;
class SpokenFeedback;

class WindowDisplay final : public CalcDisplay {
public:
    // Everything handed in outlives the display.
    WindowDisplay(QTextEdit& input, ResultsHistory& history, SpokenFeedback& speech,
                  std::function<void(const QString&)> notice, ReportError error);

    InputLines ReadInput() const override;
    QString InputText() const override;
    void SetInput(const QString& text) override;
    void InsertInput(const QString& text) override;
    void MoveCaret(int position) override;
    void ShowNotice(const QString& text) override { notice_(text); }
    void ShowError(const QString& message) override { error_(message); }
    void Say(const QString& phrase) override;
    void AddResult(const QString& line, const QString& value) override;

private:
    QTextEdit& input_;
    ResultsHistory& history_;
    SpokenFeedback& speech_;
    std::function<void(const QString&)> notice_;
    ReportError error_;
};

}  // namespace ferrolin
