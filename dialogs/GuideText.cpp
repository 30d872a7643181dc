// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/GuideText.h"

namespace ferrolin {

const QStringList& GuideLines()
{
    // Kept line by line so that the reading (and its word positions) matches what is shown.
    static const QStringList lines = {
        QStringLiteral("Quick Start Guide"),
        QStringLiteral("---------------------"),
        QStringLiteral("To use Ferrolin just enter a"),
        QStringLiteral("mathematical expression into the top window and"),
        QStringLiteral("press the evaluate button i.e. the equals button."),
        QStringLiteral(""),
        QStringLiteral("Entering numbers"),
        QStringLiteral("--------------------"),
        QStringLiteral("Numbers are input using the mouse keypad or"),
        QStringLiteral("can be typed directly into the top expression builder window."),
        QStringLiteral(""),
        QStringLiteral("Standard keys are used:-"),
        QStringLiteral(""),
        QStringLiteral("'+'  =  Addition"),
        QStringLiteral("'-'  =  Subtraction"),
        QStringLiteral("'*'  =  Multiplication"),
        QStringLiteral("'/'   = Division"),
        QStringLiteral("'^'  = Power"),
        QStringLiteral(""),
        QStringLiteral("Parentheses"),
        QStringLiteral("----------------"),
        QStringLiteral("The left and right brackets  are used"),
        QStringLiteral("for grouping terms in a standard expression."),
        QStringLiteral(""),
        QStringLiteral("Example:        2+(5+6)+3+(8+7)"),
        QStringLiteral(""),
        QStringLiteral("Always make sure that an opening parenthesis is"),
        QStringLiteral("matched with a closing parenthesis or else an"),
        QStringLiteral("error will be raised. If this happens correct your"),
        QStringLiteral("expression in the top expression builder window."),
        QStringLiteral(""),
        QStringLiteral("Order of operations"),
        QStringLiteral("------------------------"),
        QStringLiteral("The standard order of operations is used:-"),
        QStringLiteral(""),
        QStringLiteral("(1) Parentheses."),
        QStringLiteral(""),
        QStringLiteral("(2) Multiplication, Division and Power."),
        QStringLiteral(""),
        QStringLiteral("(3) Addition and Subtraction."),
        QStringLiteral(""),
        QStringLiteral("Math Functions"),
        QStringLiteral("-------------------"),
        QStringLiteral(""),
        QStringLiteral("To select a function click on its name in the"),
        QStringLiteral("list box and it is added to the top expression"),
        QStringLiteral("builder window. Alternatively the function name"),
        QStringLiteral("can be typed directly into the top window."),
        QStringLiteral(""),
        QStringLiteral("All standard trigonometry functions are available"),
        QStringLiteral("including sine, cosine, tangent, inverse sine (asin),"),
        QStringLiteral("inverse cosine (acos) and inverse tangent (atan)."),
        QStringLiteral(""),
        QStringLiteral("Example:     sin(pi/2)"),
        QStringLiteral(""),
        QStringLiteral("All angles are in radians."),
        QStringLiteral(""),
        QStringLiteral("Other Functions"),
        QStringLiteral("--------------------"),
        QStringLiteral("Functions such as square root are included."),
        QStringLiteral(""),
        QStringLiteral("Factorials up to 15 can be calculated."),
        QStringLiteral(""),
        QStringLiteral("Statistical Functions"),
        QStringLiteral("---------------------------"),
        QStringLiteral(""),
        QStringLiteral("Functions for calculating the mean or average"),
        QStringLiteral("of a set of numbers and the standard deviation"),
        QStringLiteral("are available."),
        QStringLiteral(""),
        QStringLiteral("Example: mean(1,2,3,4,5)"),
        QStringLiteral("Example: stddev(1,2,3)"),
        QStringLiteral(""),
        QStringLiteral("NAN =Not A Number."),
    };
    return lines;
}

QString GuideText()
{
    return GuideLines().join(QLatin1Char('\n'));
}

}  // namespace ferrolin
