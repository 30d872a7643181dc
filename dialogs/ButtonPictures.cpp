#include "dialogs/ButtonPictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

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

}  // namespace

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
