// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QIcon>

namespace ferrolin {

// The calculator's icon, for its windows' title bars and the desktop's window lists.
QIcon ApplicationIcon();

}  // namespace ferrolin
