// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/ControlsStyle.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPointer>
#include <QStyleOptionMenuItem>
#include <QWidget>

namespace ferrolin {

ControlsStyle* ControlsStyle::Shared() {
    static QPointer<ControlsStyle> style;
    if (!style) {
        style = new ControlsStyle;
        style->setParent(QCoreApplication::instance());
    }
    return style;
}

void ControlsStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
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

void ControlsStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                  const QWidget* widget) const {
    if (element != PE_Frame) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    // Fills rather than lines: a fill covers every device pixel its logical pixel touches.
    const QRect edge = option->rect;
    const QBrush colour = option->palette.dark();
    painter->fillRect(QRect(edge.left(), edge.top(), edge.width(), 1), colour);
    painter->fillRect(QRect(edge.left(), edge.bottom(), edge.width(), 1), colour);
    painter->fillRect(QRect(edge.left(), edge.top(), 1, edge.height()), colour);
    painter->fillRect(QRect(edge.right(), edge.top(), 1, edge.height()), colour);
}

}  // namespace ferrolin
