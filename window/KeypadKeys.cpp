// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/KeypadKeys.h"

#include <QtGlobal>

namespace ferrolin {

namespace {
using K = KeyDefinition::Kind;

// Phrases keep their blanks exactly: the speech service reads them as they are.
constexpr KeyDefinition kKeys[] = {
    {"ButtonClear", QT_TRANSLATE_NOOP("Keypad", "Clear"), "", QT_TRANSLATE_NOOP("Speech", " clear "), QT_TRANSLATE_NOOP("Keypad", "clear"), K::Clear},
    {"ButtonRecall", QT_TRANSLATE_NOOP("Keypad", "Recall"), "", QT_TRANSLATE_NOOP("Speech", " recall last expression"), QT_TRANSLATE_NOOP("Keypad", "recall"), K::Recall},
    {"ButtonPi", "pi", "pi", QT_TRANSLATE_NOOP("Speech", " pi "), QT_TRANSLATE_NOOP("Keypad", "pi"), K::Text},
    {"ButtonE", "e", "e", QT_TRANSLATE_NOOP("Speech", " Eulers constant "), QT_TRANSLATE_NOOP("Keypad", "Euler's constant e"), K::Text},

    {"ButtonLeftBracket", "(", "(", QT_TRANSLATE_NOOP("Speech", " left bracket "), QT_TRANSLATE_NOOP("Keypad", "left bracket"), K::Text},
    {"ButtonComma", ",", ",", QT_TRANSLATE_NOOP("Speech", " comma "), QT_TRANSLATE_NOOP("Keypad", "comma"), K::Text},
    {"ButtonRightBracket", ")", ")", QT_TRANSLATE_NOOP("Speech", " right bracket "), QT_TRANSLATE_NOOP("Keypad", "right bracket"), K::Text},
    {"ButtonPower", "^", "^", QT_TRANSLATE_NOOP("Speech", " power "), QT_TRANSLATE_NOOP("Keypad", "power"), K::Text},

    {"ButtonNum7", "7", "7", " 7 ", "7", K::Text},
    {"ButtonNum8", "8", "8", " 8 ", "8", K::Text},
    {"ButtonNum9", "9", "9", " 9 ", "9", K::Text},
    {"ButtonDivide", "/", "/", QT_TRANSLATE_NOOP("Speech", " divide "), QT_TRANSLATE_NOOP("Keypad", "divide"), K::Text},

    {"ButtonNum4", "4", "4", " 4 ", "4", K::Text},
    {"ButtonNum5", "5", "5", " 5 ", "5", K::Text},
    {"ButtonNum6", "6", "6", " 6 ", "6", K::Text},
    // Shows "x" but inserts "*", the only multiplication the evaluator reads.
    {"ButtonMultiply", "x", "*", QT_TRANSLATE_NOOP("Speech", " multi ply "), QT_TRANSLATE_NOOP("Keypad", "multiply"), K::Text},

    {"ButtonNum1", "1", "1", " 1 ", "1", K::Text},
    {"ButtonNum2", "2", "2", " 2 ", "2", K::Text},
    {"ButtonNum3", "3", "3", " 3 ", "3", K::Text},
    {"ButtonSubtract", "-", "-", QT_TRANSLATE_NOOP("Speech", " subtract "), QT_TRANSLATE_NOOP("Keypad", "subtract"), K::Text},

    {"ButtonNum0", "0", "0", " 0 ", "0", K::Text},
    {"ButtonDecimal", ".", ".", QT_TRANSLATE_NOOP("Speech", "decimal point "), QT_TRANSLATE_NOOP("Keypad", "decimal point"), K::Text},
    {"ButtonEvaluate", "=", "", QT_TRANSLATE_NOOP("Speech", " Evaluate "), QT_TRANSLATE_NOOP("Keypad", "evaluate"), K::Evaluate},
    {"ButtonAdd", "+", "+", QT_TRANSLATE_NOOP("Speech", "add "), QT_TRANSLATE_NOOP("Keypad", "add"), K::Text},
};
}  // namespace

std::span<const KeyDefinition> KeypadKeys() { return kKeys; }

}  // namespace ferrolin
