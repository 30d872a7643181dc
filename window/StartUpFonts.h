// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading the system's font configuration (fontconfig parses a few dozen XML files) is the
// longest single step of start-up, and nothing of it needs Qt. Begun on a thread of its own, at
// idle priority (IdleWork.h), before the QApplication exists, it runs beside Qt's own start.

namespace ferrolin {

// Call first thing in main(), before the QApplication is made. Without it, nothing is read ahead
// and the waits below return at once.
void BeginReadingFontConfiguration();

// Returns once the configuration is in place. The window's font lookup calls it before it asks
// Qt about fonts, which would otherwise read the configuration a second time beside the reader.
// Should the reader not have finished, the caller reads the configuration itself rather than
// wait for a processor the reader may not get.
void FinishReadingFontConfiguration();

}  // namespace ferrolin
