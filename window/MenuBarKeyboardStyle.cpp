// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/MenuBarKeyboardStyle.h"

#include <QStyleOptionMenuItem>
#include <QWidget>

namespace ferrolin {

void MenuBarKeyboardStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                                       const QWidget* widget) const {
    if (element == CE_MenuBarItem && widget && widget->hasFocus() && (option->state & State_Selected)) {
        if (const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option)) {
            QStyleOptionMenuItem shown(*item);
            shown.state |= State_Sunken;
            QProxyStyle::drawControl(element, &shown, painter, widget);
            return;
        }
    }
    QProxyStyle::drawControl(element, option, painter, widget);
}

}  // namespace ferrolin
