// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Text colours that stay readable on the user's palette.
#include <QColor>

namespace ferrolin {

// The WCAG contrast ratio of two colours, from 1 (the same) to 21 (black on white).
double ContrastRatio(const QColor& first, const QColor& second);

// `wanted` when it has at least `minimum` contrast against `background`; otherwise the same hue
// made lighter (on a dark background) or darker (on a light one) until it has.
QColor ReadableOn(const QColor& wanted, const QColor& background, double minimum = 4.5);

}  // namespace ferrolin
