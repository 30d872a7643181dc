#include "platform/Shell.h"

#include <QDesktopServices>

namespace ferrolin {

bool DesktopShell::OpenUrl(const QUrl& url)
{
    // An address that is not absolute would be read as a local file name: refuse it rather than
    // let the desktop guess.
    if (!url.isValid() || url.isRelative())
        return false;
    return QDesktopServices::openUrl(url);
}

}  // namespace ferrolin
