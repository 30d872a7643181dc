// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/BackingStorePages.h"

#include <QBackingStore>
#include <QGuiApplication>
#include <QImage>
#include <QRegion>
#include <QWidget>

#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>

namespace ferrolin {

void MapBackingStorePages(QWidget& window) {
    const QString platform = QGuiApplication::platformName();
    if (platform != QLatin1String("xcb") && platform != QLatin1String("offscreen")) return;
    QBackingStore* store = window.backingStore();
    if (!store) return;
    // The size the first paint would give it, so that the paint keeps this image.
    store->resize(window.size());
    // On a scaled screen the store hands out its image only between beginPaint and endPaint; an
    // empty region paints nothing.
    store->beginPaint(QRegion());
    const QPaintDevice* device = store->paintDevice();
    QImage image;
    if (device && device->devType() == QInternal::Image) image = *static_cast<const QImage*>(device);
    store->endPaint();
    if (image.isNull()) return;
    const auto page = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
    const auto first = reinterpret_cast<std::uintptr_t>(image.constBits());
    const std::uintptr_t begin = first & ~(page - 1);
    const std::uintptr_t end = first + static_cast<std::uintptr_t>(image.sizeInBytes());
    // A kernel older than 5.14 refuses the advice; the paint then faults the pages in as before.
    madvise(reinterpret_cast<void*>(begin), end - begin, MADV_POPULATE_WRITE);
}

}  // namespace ferrolin
