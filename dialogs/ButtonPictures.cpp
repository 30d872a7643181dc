// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/ButtonPictures.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>
#include <functional>

namespace ferrolin {

namespace {

const QColor kDiscBlue(0x1f, 0x4e, 0xc8);

// `drawSign` paints in a 24 x 24 coordinate system, whatever the picture's real size.
QPixmap DiscPicture(int side, const std::function<void(QPainter&)>& drawSign)
{
    QPixmap picture(side, side);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(side / 24.0, side / 24.0);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kDiscBlue);
    painter.drawEllipse(QRectF(1, 1, 22, 22));
    painter.setBrush(Qt::white);
    drawSign(painter);
    return picture;
}

// Paints the picture at whatever size and scale the button asks for.
class PictureEngine : public QIconEngine {
public:
    explicit PictureEngine(QPixmap (*draw)(int)) : draw_(draw) {}
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        painter->drawPixmap(rect, scaledPixmap(rect.size() * ratio, QIcon::Normal, QIcon::Off, ratio));
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return scaledPixmap(size, mode, state, 1.0);
    }
    // `size` is in device pixels already.
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State, qreal scale) override {
        const int side = std::max(1, std::min(size.width(), size.height()));
        QPixmap picture = draw_(side);
        if (mode == QIcon::Disabled) {
            QPainter fade(&picture);
            fade.setCompositionMode(QPainter::CompositionMode_DestinationIn);
            fade.fillRect(picture.rect(), QColor(0, 0, 0, 110));
        }
        picture.setDevicePixelRatio(scale);
        return picture;
    }
    QIconEngine* clone() const override { return new PictureEngine(draw_); }

private:
    QPixmap (*draw_)(int);
};

}  // namespace

QIcon PlayIcon() { return QIcon(new PictureEngine(&PlayPicture)); }
QIcon StopIcon() { return QIcon(new PictureEngine(&StopPicture)); }

QPixmap PlayPicture(int side)
{
    return DiscPicture(side, [](QPainter& painter) {
        // Shifted right of centre: a triangle's visual weight sits near its base.
        painter.drawPolygon(QPolygonF({QPointF(9, 6.5), QPointF(9, 17.5), QPointF(18, 12)}));
    });
}

QPixmap StopPicture(int side)
{
    return DiscPicture(side, [](QPainter& painter) { painter.drawRect(QRectF(7.5, 7.5, 9, 9)); });
}

}  // namespace ferrolin
