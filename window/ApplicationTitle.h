// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>

namespace ferrolin {

// The title every message box carries, from the program file's path: the name after the last
// "/", cut at its first ".", its first character in upper case and every other in lower case
// ("/usr/bin/AddUp.Backup" gives "Addup", "build/ferrolin" gives "Ferrolin").
QString ApplicationTitleFromPath(const QString& programPath);

}  // namespace ferrolin
