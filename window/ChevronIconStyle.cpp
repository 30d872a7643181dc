// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/ChevronIconStyle.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QPixmap>

namespace ferrolin {

namespace {

// Two arrow heads pointing right (or down), in the text colour, drawn when the button is first
// painted: the menu bar asks for its icon when it is made, but shows it only when too narrow.
class ChevronIconEngine : public QIconEngine {
public:
    explicit ChevronIconEngine(bool horizontal) : horizontal_(horizontal) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
        constexpr qreal kSide = 16;  // the design grid; the icon scales to any size
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        const QPalette::ColorGroup group = mode == QIcon::Disabled ? QPalette::Disabled : QPalette::Active;
        painter->setPen(QPen(QApplication::palette().color(group, QPalette::WindowText), 1.5));
        painter->setBrush(Qt::NoBrush);
        painter->translate(rect.topLeft());
        painter->scale(rect.width() / kSide, rect.height() / kSide);
        if (!horizontal_) {
            painter->translate(kSide, 0);
            painter->rotate(90);
        }
        for (const qreal left : {3.0, 8.0}) {
            QPainterPath head;
            head.moveTo(left, 4);
            head.lineTo(left + 4, 8);
            head.lineTo(left, 12);
            painter->drawPath(head);
        }
        painter->restore();
    }

    // Qt asks in device pixels on scaled screens, so the size is drawn as it comes.
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        QPixmap picture(size);
        picture.fill(Qt::transparent);
        QPainter painter(&picture);
        paint(&painter, picture.rect(), mode, state);
        return picture;
    }

    QIconEngine* clone() const override { return new ChevronIconEngine(horizontal_); }
    QString key() const override { return QStringLiteral("ferrolin-chevron"); }

private:
    bool horizontal_;
};

}  // namespace

QIcon ChevronIconStyle::standardIcon(StandardPixmap icon, const QStyleOption* option, const QWidget* widget) const {
    if (icon == SP_ToolBarHorizontalExtensionButton) return QIcon(new ChevronIconEngine(true));
    if (icon == SP_ToolBarVerticalExtensionButton) return QIcon(new ChevronIconEngine(false));
    return QProxyStyle::standardIcon(icon, option, widget);
}

}  // namespace ferrolin
