// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/ApplicationTitle.h"

namespace ferrolin {

QString ApplicationTitleFromPath(const QString& programPath) {
    QString name = programPath.mid(programPath.lastIndexOf(u'/') + 1);
    const qsizetype dot = name.indexOf(u'.');
    if (dot >= 0) {
        name.truncate(dot);
    }
    if (!name.isEmpty()) {
        name = name.left(1).toUpper() + name.mid(1).toLower();
    }
    return name;
}

}  // namespace ferrolin
