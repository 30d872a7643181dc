// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/BoxFrames.h"

#include <QFrame>

namespace ferrolin {

void FrameForEveryScale(QFrame& box) {
    box.setStyleSheet(QStringLiteral("#%1 { border: 1px solid palette(dark); }").arg(box.objectName()));
}

}  // namespace ferrolin
