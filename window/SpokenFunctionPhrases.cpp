// SPDX-License-Identifier: GPL-3.0-or-later
// The function list's spoken phrases live in the evaluator's table, which knows nothing of Qt;
// they are listed here so that lupdate collects them. SpokenFeedback translates each phrase by
// its English text, so an entry missing here is simply spoken in English.
#include <QtGlobal>

namespace ferrolin {

[[maybe_unused]] constexpr const char* kSpokenFunctionPhrases[] = {
    QT_TRANSLATE_NOOP("Speech", " sine "),
    QT_TRANSLATE_NOOP("Speech", " cosine "),
    QT_TRANSLATE_NOOP("Speech", " tangent "),
    QT_TRANSLATE_NOOP("Speech", " inverse sine "),
    QT_TRANSLATE_NOOP("Speech", " inverse cosine "),
    QT_TRANSLATE_NOOP("Speech", " inverse tangent "),
    QT_TRANSLATE_NOOP("Speech", " co-secant "),
    QT_TRANSLATE_NOOP("Speech", " secant "),
    QT_TRANSLATE_NOOP("Speech", " co-tangent "),
    QT_TRANSLATE_NOOP("Speech", " degree to radian "),
    QT_TRANSLATE_NOOP("Speech", " degree to gradian "),
    QT_TRANSLATE_NOOP("Speech", " degree to cycle "),
    QT_TRANSLATE_NOOP("Speech", " radian to degree "),
    QT_TRANSLATE_NOOP("Speech", " radian to gradian "),
    QT_TRANSLATE_NOOP("Speech", " radian to cycle "),
    QT_TRANSLATE_NOOP("Speech", " grad to degree "),
    QT_TRANSLATE_NOOP("Speech", " grad  to radian "),
    QT_TRANSLATE_NOOP("Speech", " grad to cycle "),
    QT_TRANSLATE_NOOP("Speech", " cycle to degree "),
    QT_TRANSLATE_NOOP("Speech", " cycle to radian "),
    QT_TRANSLATE_NOOP("Speech", " cycle to gradian "),
    QT_TRANSLATE_NOOP("Speech", " sinh "),
    QT_TRANSLATE_NOOP("Speech", " cosh "),
    QT_TRANSLATE_NOOP("Speech", " tanh "),
    QT_TRANSLATE_NOOP("Speech", " inverse sinh "),
    QT_TRANSLATE_NOOP("Speech", " inverse cosh "),
    QT_TRANSLATE_NOOP("Speech", " inverse tanh "),
    QT_TRANSLATE_NOOP("Speech", " logarithm to base e "),
    QT_TRANSLATE_NOOP("Speech", " logarithm to base 2 "),
    QT_TRANSLATE_NOOP("Speech", " logarithm to base 10 "),
    QT_TRANSLATE_NOOP("Speech", " exponential "),
    QT_TRANSLATE_NOOP("Speech", " square root "),
    QT_TRANSLATE_NOOP("Speech", " ceil "),
    QT_TRANSLATE_NOOP("Speech", " floor "),
    QT_TRANSLATE_NOOP("Speech", " factorial "),
    QT_TRANSLATE_NOOP("Speech", " random "),
    QT_TRANSLATE_NOOP("Speech", " mean "),
    QT_TRANSLATE_NOOP("Speech", " standard deviation "),
    QT_TRANSLATE_NOOP("Speech", " variance "),
};

}  // namespace ferrolin
