// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/EvaluateCycle.h"

#include <QLocale>
#include <QScopedValueRollback>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <algorithm>
#include <string>

#include "evaluator/MyParser.h"
#include "evaluator/ResultFormat.h"
#include "window/ErrorText.h"
#include "window/InputLines.h"
#include "window/ResultsHistory.h"
#include "window/SpokenFeedback.h"

namespace ferrolin {

namespace {

QString SystemDecimalSeparator() { return QLocale::system().decimalPoint(); }
QString FromUtf8(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

EvaluateCycle::EvaluateCycle(QTextEdit& input, ResultsHistory& history, SpokenFeedback& speech, Boxes boxes)
    : input_(input),
      history_(history),
      speech_(speech),
      boxes_(std::move(boxes)),
      evaluator_(std::make_unique<Evaluator>()),
      separatorSource_(SystemDecimalSeparator) {
    ReadDecimalSeparator();
}

EvaluateCycle::~EvaluateCycle() = default;

void EvaluateCycle::SetDecimalSeparatorSource(std::function<QString()> source) {
    separatorSource_ = source ? std::move(source) : std::function<QString()>(SystemDecimalSeparator);
    ReadDecimalSeparator();
}

void EvaluateCycle::ReadDecimalSeparator() {
    const QList<uint> characters = separatorSource_().toUcs4();
    separator_ = characters.isEmpty() ? U'.' : static_cast<char32_t>(characters.front());
}

std::optional<QString> EvaluateCycle::Run(int places) {
    // Asked for while this command's notice or error box is open (by an accessibility action or
    // a queued key): refused, so the open box always belongs to the evaluation the user sees.
    if (boxOpen_) {
        return std::nullopt;
    }
    QTextDocument* input = input_.document();
    if (input->isEmpty()) {
        return std::nullopt;
    }
    const InputLines lines = InputLines::Read(*input);
    const std::string expression = ExpressionText(lines.lines);

    evaluator_->Options().decimalSeparator = separator_;
    // The evaluation runs to its end first; its notices and its error are shown afterwards.
    const Evaluation result = evaluator_->Evaluate(expression);
    {
        const QScopedValueRollback boxOpen(boxOpen_, true);
        for (const std::string& notice : result.notices) {
            boxes_.notice(NoticeText(notice));
        }
        if (!result.ok()) {
            boxes_.error(ErrorText(*result.failure));
            // The caret goes where reading stopped, so the user and a screen reader land on it.
            QTextCursor caret(input);
            caret.setPosition(std::clamp(lines.DocumentPosition(result.failure->position), 0,
                                         input->characterCount() - 1));
            input_.setTextCursor(caret);
            return std::nullopt;
        }
    }
    const long double value = result.value;
    speech_.SayResult(FromUtf8(FormatValue(value, places, separator_)));
    history_.Append(FromUtf8(HistoryLine(expression, value, places, separator_)));
    return FromUtf8(expression);
}

}  // namespace ferrolin
