// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/KeypadKeys.h"

namespace ferrolin {

namespace {
using K = KeyDefinition::Kind;

// Phrases keep their blanks exactly: the speech service reads them as they are.
constexpr KeyDefinition kKeys[] = {
    {"ButtonClear", "Clear", "", " clear ", "clear", K::Clear},
    {"ButtonRecall", "Recall", "", " recall last expression", "recall", K::Recall},
    {"ButtonPi", "pi", "pi", " pi ", "pi", K::Text},
    {"ButtonE", "e", "e", " Eulers constant ", "Euler's constant e", K::Text},

    {"ButtonLeftBracket", "(", "(", " left bracket ", "left bracket", K::Text},
    {"ButtonComma", ",", ",", " comma ", "comma", K::Text},
    {"ButtonRightBracket", ")", ")", " right bracket ", "right bracket", K::Text},
    {"ButtonPower", "^", "^", " power ", "power", K::Text},

    {"ButtonNum7", "7", "7", " 7 ", "7", K::Text},
    {"ButtonNum8", "8", "8", " 8 ", "8", K::Text},
    {"ButtonNum9", "9", "9", " 9 ", "9", K::Text},
    {"ButtonDivide", "/", "/", " divide ", "divide", K::Text},

    {"ButtonNum4", "4", "4", " 4 ", "4", K::Text},
    {"ButtonNum5", "5", "5", " 5 ", "5", K::Text},
    {"ButtonNum6", "6", "6", " 6 ", "6", K::Text},
    // Shows "x" but inserts "*", the only multiplication the evaluator reads.
    {"ButtonMultiply", "x", "*", " multi ply ", "multiply", K::Text},

    {"ButtonNum1", "1", "1", " 1 ", "1", K::Text},
    {"ButtonNum2", "2", "2", " 2 ", "2", K::Text},
    {"ButtonNum3", "3", "3", " 3 ", "3", K::Text},
    {"ButtonSubtract", "-", "-", " subtract ", "subtract", K::Text},

    {"ButtonNum0", "0", "0", " 0 ", "0", K::Text},
    {"ButtonDecimal", ".", ".", "decimal point ", "decimal point", K::Text},
    {"ButtonEvaluate", "=", "", " Evaluate ", "evaluate", K::Evaluate},
    {"ButtonAdd", "+", "+", "add ", "add", K::Text},
};
}  // namespace

std::span<const KeyDefinition> KeypadKeys() { return kKeys; }

}  // namespace ferrolin
