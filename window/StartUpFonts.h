// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading the system's font configuration (fontconfig parses a few dozen XML files) is the
// longest single step of start-up, and nothing of it needs Qt. Begun on a thread of its own
// before the QApplication exists, it runs beside Qt's own start.

namespace ferrolin {

// Call first thing in main(), before the QApplication is made. Without it, nothing is read ahead
// and the waits below return at once.
void BeginReadingFontConfiguration();

// Returns once the configuration begun above is in place. The window's font lookup calls it
// before it asks Qt about fonts: two threads reading the configuration at once would each read
// all of it.
void FinishReadingFontConfiguration();

}  // namespace ferrolin
