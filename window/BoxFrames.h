// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The frames of the window's text boxes and function list, drawn so that they show at every
// scale factor.
class QFrame;

namespace ferrolin {

// The desktop style draws these frames as lines one logical pixel wide, which at fractional
// scale factors (1.5) fall between device pixels and vanish. A frame of filled edges, in the
// palette's own frame colour, shows at any factor and in dark and high-contrast palettes.
void FrameForEveryScale(QFrame& box);

}  // namespace ferrolin
