// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/ReadableColour.h"

#include <algorithm>
#include <cmath>

namespace ferrolin {

namespace {

double Channel(double value) {
    return value <= 0.03928 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
}

double Luminance(const QColor& colour) {
    const QColor rgb = colour.toRgb();
    return 0.2126 * Channel(rgb.redF()) + 0.7152 * Channel(rgb.greenF()) + 0.0722 * Channel(rgb.blueF());
}

QColor Mix(const QColor& from, const QColor& to, double share) {
    auto mix = [share](double a, double b) { return a + (b - a) * share; };
    return QColor::fromRgbF(static_cast<float>(mix(from.redF(), to.redF())), static_cast<float>(mix(from.greenF(), to.greenF())),
                            static_cast<float>(mix(from.blueF(), to.blueF())));
}

}  // namespace

double ContrastRatio(const QColor& first, const QColor& second) {
    const double a = Luminance(first);
    const double b = Luminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

QColor ReadableOn(const QColor& wanted, const QColor& background, double minimum) {
    if (ContrastRatio(wanted, background) >= minimum) return wanted;
    // Towards white on a dark background, towards black on a light one: one of the two always
    // reaches 4.5:1, since white and black differ from any background by at least 4.58:1.
    const QColor end = Luminance(background) < 0.18 ? QColor(Qt::white) : QColor(Qt::black);
    for (int step = 1; step <= 20; ++step) {
        const QColor tried = Mix(wanted.toRgb(), end, step / 20.0);
        if (ContrastRatio(tried, background) >= minimum) return tried;
    }
    return end;
}

}  // namespace ferrolin
