// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/ApplicationIcon.h"

#include <QImage>
#include <QPixmap>
#include <iterator>

#include "window/ApplicationIconPixels.h"

namespace ferrolin {

// The pixels are compiled in (the build writes them from the icon's PNG): decoding a PNG at
// every start cost a millisecond and the decoder's code in memory.
QIcon ApplicationIcon() {
    static_assert(std::size(icon::kPixels) == std::size_t{icon::kWidth} * icon::kHeight);
    const QImage image(reinterpret_cast<const uchar*>(icon::kPixels), icon::kWidth, icon::kHeight,
                       QImage::Format_ARGB32_Premultiplied);
    return QIcon(QPixmap::fromImage(image));
}

}  // namespace ferrolin
