// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Shell.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QStandardPaths>

namespace ferrolin {

std::optional<QString> DesktopShell::OpenUrl(const QUrl& url)
{
    // An address that is not absolute would be read as a local file name: refuse it rather than
    // let the desktop guess.
    if (!url.isValid() || url.isRelative())
        return QString();
    if (QDesktopServices::openUrl(url))
        return std::nullopt;
    if (QStandardPaths::findExecutable(QStringLiteral("xdg-open")).isEmpty())
        return QCoreApplication::translate("Messages", "No program to open web pages is installed (the xdg-utils package provides one). "
                                                       "The address is %1").arg(url.toString());
    return QString();
}

}  // namespace ferrolin
