// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One evaluation of the input box's expression: read the box, evaluate, show the notices and the
// error, or say the result and add its line to the history. It also keeps the decimal separator
// results are written with, from the regional settings.
#include <QString>
#include <functional>
#include <memory>
#include <optional>

class QTextEdit;

namespace ferrolin {

class Evaluator;
class ResultsHistory;
class SpokenFeedback;

class EvaluateCycle {
public:
    // How the window shows a notice and an error box (the message gets its full stop there).
    struct Boxes {
        std::function<void(const QString&)> notice;
        std::function<void(const QString&)> error;
    };
    EvaluateCycle(QTextEdit& input, ResultsHistory& history, SpokenFeedback& speech, Boxes boxes);
    ~EvaluateCycle();
    EvaluateCycle(const EvaluateCycle&) = delete;
    EvaluateCycle& operator=(const EvaluateCycle&) = delete;

    // Evaluates the input box's expression with `places` decimal places. On success the result is
    // said and its line added to the history, and the expression is returned; the input box is
    // left for the caller. Nothing happens (and nothing is returned) for an empty box, while an
    // earlier evaluation's box is open, or when the expression failed: then the caret is put
    // where reading stopped.
    std::optional<QString> Run(int places);

    // Where the decimal separator of results and comma lists comes from (null: QLocale::system());
    // read now and on every ReadDecimalSeparator.
    void SetDecimalSeparatorSource(std::function<QString()> source);
    void ReadDecimalSeparator();

private:
    QTextEdit& input_;
    ResultsHistory& history_;
    SpokenFeedback& speech_;
    Boxes boxes_;
    std::unique_ptr<Evaluator> evaluator_;
    std::function<QString()> separatorSource_;
    char32_t separator_ = U'.';
    bool boxOpen_ = false;  // an evaluation's notice or error box is showing
};

}  // namespace ferrolin
