// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/StartUpFonts.h"

#include <fontconfig/fontconfig.h>

#include "window/IdleWork.h"

namespace ferrolin {
namespace {

// fontconfig builds a configuration on each thread that asks before one is in place and keeps
// whichever is complete first, so a reading done twice at once is only work lost.
IdleWork reading([] { FcInit(); });

}  // namespace

void BeginReadingFontConfiguration() { reading.Begin(); }

void FinishReadingFontConfiguration() { reading.Finish(); }

}  // namespace ferrolin
