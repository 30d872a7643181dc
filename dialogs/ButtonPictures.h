// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The pictures of the Guide's Play and Stop buttons: a white sign on a blue disc, the corners
// left transparent so the button face shows through.
#include <QIcon>
#include <QPixmap>

namespace ferrolin {

QPixmap PlayPicture(int side = 24);
QPixmap StopPicture(int side = 24);

// The same pictures as icons that draw themselves afresh for every size and device pixel ratio,
// so that they stay sharp on any screen.
QIcon PlayIcon();
QIcon StopIcon();

}  // namespace ferrolin
