// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The evaluate command and the keys around it (Clear, Recall, Up and Down): it reads the input
// box, evaluates with the chosen decimal places and the regional decimal separator, shows the
// notices and the error (with the caret where reading stopped), or adds the result's line, and
// keeps the last expression and the expressions Up and Down walk through. It sees the window
// only through a CalcDisplay.
#include <QString>
#include <functional>
#include <memory>

#include "window/ExpressionRecall.h"

namespace ferrolin {

class CalcDisplay;
class Evaluator;

class EvaluateCommand {
public:
    // `display` outlives the command.
    explicit EvaluateCommand(CalcDisplay& display);
    ~EvaluateCommand();
    EvaluateCommand(const EvaluateCommand&) = delete;
    EvaluateCommand& operator=(const EvaluateCommand&) = delete;

    // "=" or Enter: says " Evaluate ", then evaluates the input. Nothing more happens for an
    // empty box or while an earlier evaluation's box is open. A success adds the line, becomes
    // the last expression and empties the box; a failure keeps the box as typed.
    void Evaluate();
    // The C key: empties a box that holds anything.
    void Clear();
    // The Recall key: inserts the last expression.
    void RecallLast();
    // Up on the box's first line and Down on its last: the expression before or after the one
    // shown, back to what was being typed.
    void RecallOlder();
    void RecallNewer();
    // The box's text changed: the next Up starts again from the newest expression.
    void InputEdited();

    // Decimal places of the results (DecimalPlaces); a number outside the range changes nothing.
    void SetPrecision(int places);
    int Precision() const { return precision_; }

    // The last expression that evaluated; New forgets it.
    const QString& LastExpression() const { return lastExpression_; }
    void ForgetLastExpression() { lastExpression_.clear(); }

    // Where the decimal separator of results and comma lists comes from (null: QLocale::system());
    // read now and on every ReadDecimalSeparator.
    void SetDecimalSeparatorSource(std::function<QString()> source);
    void ReadDecimalSeparator();

private:
    void ShowRecalled(const QString& text);

    CalcDisplay& display_;
    std::unique_ptr<Evaluator> evaluator_;
    std::function<QString()> separatorSource_;
    char32_t separator_ = U'.';
    int precision_;
    QString lastExpression_;
    ExpressionRecall recall_;
    bool boxOpen_ = false;          // an evaluation's notice or error box is showing
    bool showingRecalled_ = false;  // the box's text is being replaced by Up or Down
};

}  // namespace ferrolin
