// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/fakes/FakeShell.h"

namespace ferrolin {

std::optional<QString> FakeShell::OpenUrl(const QUrl& url)
{
    openedUrls.append(url);
    if (succeeds)
        return std::nullopt;
    return reason;
}

}  // namespace ferrolin
