// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/ChevronIconStyle.h"

#include <QApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QPixmap>

namespace ferrolin {

namespace {

// Two arrow heads pointing right (or down), in the text colour.
QIcon Chevron(bool horizontal) {
    constexpr int kSide = 16;
    QPixmap picture(kSide, kSide);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QApplication::palette().color(QPalette::WindowText), 1.5));
    if (!horizontal) {
        painter.translate(kSide, 0);
        painter.rotate(90);
    }
    for (const qreal left : {3.0, 8.0}) {
        QPainterPath head;
        head.moveTo(left, 4);
        head.lineTo(left + 4, 8);
        head.lineTo(left, 12);
        painter.drawPath(head);
    }
    return QIcon(picture);
}

}  // namespace

QIcon ChevronIconStyle::standardIcon(StandardPixmap icon, const QStyleOption* option, const QWidget* widget) const {
    if (icon == SP_ToolBarHorizontalExtensionButton) return Chevron(true);
    if (icon == SP_ToolBarVerticalExtensionButton) return Chevron(false);
    return QProxyStyle::standardIcon(icon, option, widget);
}

}  // namespace ferrolin
