// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/GuideText.h"

#include <QCoreApplication>

namespace ferrolin {

namespace {

// Kept line by line so that the reading (and its word positions) matches what is shown; a
// translation keeps the lines, and the rules of dashes under the headings stay as they are.
constexpr const char* kLines[] = {
    QT_TRANSLATE_NOOP("Guide", "Quick Start Guide"),
    "---------------------",
    QT_TRANSLATE_NOOP("Guide", "To use Ferrolin just enter a"),
    QT_TRANSLATE_NOOP("Guide", "mathematical expression into the top window and"),
    QT_TRANSLATE_NOOP("Guide", "press the evaluate button i.e. the equals button."),
    "",
    QT_TRANSLATE_NOOP("Guide", "Entering numbers"),
    "--------------------",
    QT_TRANSLATE_NOOP("Guide", "Numbers are input using the mouse keypad or"),
    QT_TRANSLATE_NOOP("Guide", "can be typed directly into the top expression builder window."),
    "",
    QT_TRANSLATE_NOOP("Guide", "Standard keys are used:-"),
    "",
    QT_TRANSLATE_NOOP("Guide", "'+'  =  Addition"),
    QT_TRANSLATE_NOOP("Guide", "'-'  =  Subtraction"),
    QT_TRANSLATE_NOOP("Guide", "'*'  =  Multiplication"),
    QT_TRANSLATE_NOOP("Guide", "'/'   = Division"),
    QT_TRANSLATE_NOOP("Guide", "'^'  = Power"),
    "",
    QT_TRANSLATE_NOOP("Guide", "Parentheses"),
    "----------------",
    QT_TRANSLATE_NOOP("Guide", "The left and right brackets  are used"),
    QT_TRANSLATE_NOOP("Guide", "for grouping terms in a standard expression."),
    "",
    QT_TRANSLATE_NOOP("Guide", "Example:        2+(5+6)+3+(8+7)"),
    "",
    QT_TRANSLATE_NOOP("Guide", "Always make sure that an opening parenthesis is"),
    QT_TRANSLATE_NOOP("Guide", "matched with a closing parenthesis or else an"),
    QT_TRANSLATE_NOOP("Guide", "error will be raised. If this happens correct your"),
    QT_TRANSLATE_NOOP("Guide", "expression in the top expression builder window."),
    "",
    QT_TRANSLATE_NOOP("Guide", "Order of operations"),
    "------------------------",
    QT_TRANSLATE_NOOP("Guide", "The standard order of operations is used:-"),
    "",
    QT_TRANSLATE_NOOP("Guide", "(1) Parentheses."),
    "",
    QT_TRANSLATE_NOOP("Guide", "(2) Multiplication, Division and Power."),
    "",
    QT_TRANSLATE_NOOP("Guide", "(3) Addition and Subtraction."),
    "",
    QT_TRANSLATE_NOOP("Guide", "Math Functions"),
    "-------------------",
    "",
    QT_TRANSLATE_NOOP("Guide", "To select a function click on its name in the"),
    QT_TRANSLATE_NOOP("Guide", "list box and it is added to the top expression"),
    QT_TRANSLATE_NOOP("Guide", "builder window. Alternatively the function name"),
    QT_TRANSLATE_NOOP("Guide", "can be typed directly into the top window."),
    "",
    QT_TRANSLATE_NOOP("Guide", "All standard trigonometry functions are available"),
    QT_TRANSLATE_NOOP("Guide", "including sine, cosine, tangent, inverse sine (asin),"),
    QT_TRANSLATE_NOOP("Guide", "inverse cosine (acos) and inverse tangent (atan)."),
    "",
    QT_TRANSLATE_NOOP("Guide", "Example:     sin(pi/2)"),
    "",
    QT_TRANSLATE_NOOP("Guide", "All angles are in radians."),
    "",
    QT_TRANSLATE_NOOP("Guide", "Other Functions"),
    "--------------------",
    QT_TRANSLATE_NOOP("Guide", "Functions such as square root are included."),
    "",
    QT_TRANSLATE_NOOP("Guide", "Factorials up to 15 can be calculated."),
    "",
    QT_TRANSLATE_NOOP("Guide", "Statistical Functions"),
    "---------------------------",
    "",
    QT_TRANSLATE_NOOP("Guide", "Functions for calculating the mean or average"),
    QT_TRANSLATE_NOOP("Guide", "of a set of numbers and the standard deviation"),
    QT_TRANSLATE_NOOP("Guide", "are available."),
    "",
    QT_TRANSLATE_NOOP("Guide", "Example: mean(1,2,3,4,5)"),
    QT_TRANSLATE_NOOP("Guide", "Example: stddev(1,2,3)"),
    "",
    QT_TRANSLATE_NOOP("Guide", "NAN =Not A Number."),
};

}  // namespace

QStringList GuideLines()
{
    QStringList lines;
    for (const char* line : kLines) lines << QCoreApplication::translate("Guide", line);
    return lines;
}

QString GuideText()
{
    return GuideLines().join(QLatin1Char('\n'));
}

}  // namespace ferrolin
