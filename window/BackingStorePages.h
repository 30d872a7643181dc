// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace ferrolin {

// Sizes a shown window's backing store and maps all its pages in one call, so that the first
// frame does not take a page fault for each page it paints. Does nothing where the platform's
// store is not a plain image in memory (X11 and offscreen are; Wayland's buffers come at paint).
void MapBackingStorePages(QWidget& window);

}  // namespace ferrolin
