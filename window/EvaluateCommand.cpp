// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/EvaluateCommand.h"

#include <QLocale>
#include <QScopedValueRollback>
#include <string>

#include "evaluator/MyParser.h"
#include "evaluator/ResultFormat.h"
#include "window/CalcDisplay.h"
#include "window/ErrorText.h"

namespace ferrolin {

namespace {

QString SystemDecimalSeparator() { return QLocale::system().decimalPoint(); }
QString FromUtf8(const std::string& text) { return QString::fromStdString(text); }

bool IsEmpty(const InputLines& input) { return input.lines.size() == 1 && input.lines.front().empty(); }

}  // namespace

EvaluateCommand::EvaluateCommand(CalcDisplay& display)
    : display_(display),
      evaluator_(std::make_unique<Evaluator>()),
      separatorSource_(SystemDecimalSeparator),
      precision_(DecimalPlaces::kDefault) {
    ReadDecimalSeparator();
}

EvaluateCommand::~EvaluateCommand() = default;

void EvaluateCommand::SetDecimalSeparatorSource(std::function<QString()> source) {
    separatorSource_ = source ? std::move(source) : std::function<QString()>(SystemDecimalSeparator);
    ReadDecimalSeparator();
}

void EvaluateCommand::ReadDecimalSeparator() {
    const QList<uint> characters = separatorSource_().toUcs4();
    separator_ = characters.isEmpty() ? U'.' : static_cast<char32_t>(characters.front());
}

void EvaluateCommand::SetPrecision(int places) {
    if (DecimalPlaces::Allowed(places)) {
        precision_ = places;
    }
}

void EvaluateCommand::Evaluate() {
    display_.Say(QStringLiteral(QT_TRANSLATE_NOOP("Speech", " Evaluate ")));
    // Asked for while this command's notice or error box is open (by an accessibility action or
    // a queued key): refused, so the open box always belongs to the evaluation the user sees.
    if (boxOpen_) {
        return;
    }
    const InputLines input = display_.ReadInput();
    if (IsEmpty(input)) {
        return;
    }
    const std::string expression = ExpressionText(input.lines);
    evaluator_->Options().decimalSeparator = separator_;
    // The evaluation runs to its end first; its notices and its error are shown afterwards.
    const Evaluation result = evaluator_->Evaluate(expression);
    {
        const QScopedValueRollback boxOpen(boxOpen_, true);
        for (const std::string& notice : result.notices) {
            display_.ShowNotice(NoticeText(notice));
        }
        if (!result.ok()) {
            display_.ShowError(ErrorText(*result.failure));
            // The caret goes where reading stopped, so the user and a screen reader land on it.
            display_.MoveCaret(input.DocumentPosition(result.failure->position));
            return;
        }
    }
    const QString line = FromUtf8(HistoryLine(expression, result.value, precision_, separator_));
    lastExpression_ = FromUtf8(expression);
    // The line is "expression= value": the value is said exactly as the line writes it.
    display_.AddResult(line, line.mid(lastExpression_.size() + 2));
    recall_.Add(lastExpression_);
    display_.SetInput(QString());
}

void EvaluateCommand::Clear() {
    if (IsEmpty(display_.ReadInput())) {
        return;
    }
    display_.SetInput(QString());
    display_.Say(QStringLiteral(QT_TRANSLATE_NOOP("Speech", " clear ")));
}

void EvaluateCommand::RecallLast() {
    display_.InsertInput(lastExpression_);
    display_.Say(QStringLiteral(QT_TRANSLATE_NOOP("Speech", " recall last expression")));
}

void EvaluateCommand::RecallOlder() {
    if (const std::optional<QString> text = recall_.Older(display_.InputText())) {
        ShowRecalled(*text);
    }
}

void EvaluateCommand::RecallNewer() {
    if (const std::optional<QString> text = recall_.Newer()) {
        ShowRecalled(*text);
    }
}

void EvaluateCommand::ShowRecalled(const QString& text) {
    const QScopedValueRollback showing(showingRecalled_, true);
    display_.SetInput(text);
}

void EvaluateCommand::InputEdited() {
    if (!showingRecalled_) {
        recall_.Reset();
    }
}

}  // namespace ferrolin
