// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How the main window draws two of its controls where the desktop style falls short. Set on
// those controls alone; their children keep the application's style.
//  - The menu bar: Fusion highlights a menu title only while its menu is open, so Alt alone
//    (which makes the bar take the keyboard) showed nothing. The title the keyboard is on is
//    highlighted as well.
//  - The frames of the text boxes and the function list: the desktop style draws them as lines
//    one logical pixel wide, which at fractional scale factors (1.5) fall between device pixels
//    and vanish. Filled edges, in the palette's own frame colour, show at any factor and in dark
//    and high-contrast palettes.
#include <QProxyStyle>

namespace ferrolin {

class ControlsStyle : public QProxyStyle {
public:
    // One instance for every window, owned by the application: a style must outlive every
    // widget that draws with it, and each style made brings a desktop style of its own.
    static ControlsStyle* Shared();

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;

private:
    ControlsStyle() = default;
};

}  // namespace ferrolin
