// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Fusion highlights a menu title only while its menu is open, so Alt alone (which makes the bar
// take the keyboard) showed nothing. This style highlights the title the keyboard is on as well.
#include <QProxyStyle>

namespace ferrolin {

class MenuBarKeyboardStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
};

}  // namespace ferrolin
