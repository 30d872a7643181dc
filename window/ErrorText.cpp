// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/ErrorText.h"

#include <QCoreApplication>

#include "evaluator/EvaluationError.h"

namespace ferrolin {

namespace {

// One text per kind, in ErrorKind's order. %1 is the quoted part, %2 the token "Unable to
// evaluate" names. The line feed and carriage return between the quoted part and the
// explanation are the evaluator's, kept as they are.
constexpr const char* kTexts[kErrorKindCount] = {
    QT_TRANSLATE_NOOP("Errors", "%1\n\rMissing left bracket \"(\" "),
    QT_TRANSLATE_NOOP("Errors", "%1\n\r Missing right bracket \")\""),
    QT_TRANSLATE_NOOP("Errors", "%1\n\r Missing operand "),
    QT_TRANSLATE_NOOP("Errors", "%1\n\r Unable to evaluate %2"),
    QT_TRANSLATE_NOOP("Errors", "%1\n\rInvalid expression. Clear and start again"),
    QT_TRANSLATE_NOOP("Errors", "Invalid floating point operation"),
    QT_TRANSLATE_NOOP("Errors", "Floating point division by zero"),
    QT_TRANSLATE_NOOP("Errors", "Floating point overflow"),
    QT_TRANSLATE_NOOP("Errors", "'%1' is not a valid floating point value"),
    QT_TRANSLATE_NOOP("Errors", "%1\n\r Expression nested too deeply"),
    QT_TRANSLATE_NOOP("Errors", "The expression is not valid UTF-8 text"),
};

// The quoted part and the named token, cut out of the English message: the quoted part ends
// where the evaluator's line break starts (the prepared text holds no control characters), and
// "Unable to evaluate" names its token after the explanation.
struct Parts {
    QString quoted;
    QString named;
};

Parts CutParts(const EvaluationFailure& failure) {
    const std::string& message = failure.message;
    if (failure.kind == ErrorKind::NotValidFloat) {
        const std::string tail = ErrorMessage(ErrorKind::NotValidFloat).substr(1);  // from the closing quote
        if (message.size() >= tail.size() + 1)
            return {QString::fromUtf8(message.substr(1, message.size() - tail.size() - 1)), {}};
        return {};
    }
    const std::size_t lineBreak = message.find("\n\r");
    if (lineBreak == std::string::npos) return {};
    Parts parts{QString::fromUtf8(message.substr(0, lineBreak)), {}};
    if (failure.kind == ErrorKind::UnableToEvaluate) {
        const std::size_t explanation = ErrorMessage(ErrorKind::UnableToEvaluate).size();
        if (message.size() >= lineBreak + explanation)
            parts.named = QString::fromUtf8(message.substr(lineBreak + explanation));
    }
    return parts;
}

}  // namespace

QString ErrorText(const EvaluationFailure& failure) {
    const auto index = static_cast<std::size_t>(failure.kind);
    if (index >= std::size(kTexts)) return QString::fromUtf8(failure.message);
    const QString text = QCoreApplication::translate("Errors", kTexts[index]);
    const Parts parts = CutParts(failure);
    // Replaced in one pass, so a "%2" typed in the expression stays as typed.
    if (text.contains(u"%2")) return text.arg(parts.quoted, parts.named);
    if (text.contains(u"%1")) return text.arg(parts.quoted);
    return text;
}

QString NoticeText(const std::string& notice) {
    if (notice == kNotEnoughParameters)
        return QCoreApplication::translate("Errors", "Not enough parameters");
    return QString::fromUtf8(notice);
}

}  // namespace ferrolin
