#pragma once
// The pictures of the Guide's Play and Stop buttons: a white sign on a blue disc, the corners
// left transparent so the button face shows through.
#include <QPixmap>

namespace ferrolin {

QPixmap PlayPicture(int side = 24);
QPixmap StopPicture(int side = 24);

}  // namespace ferrolin
