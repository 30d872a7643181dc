// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The desktop shell: hands web addresses to the user's default browser.
#include <QString>
#include <QUrl>
#include <optional>

namespace ferrolin {

class Shell {
public:
    virtual ~Shell() = default;

    // Asks the desktop to show `url` (non-blocking). nullopt when it was handed on; else what is
    // wrong and what to do, in the user's words (empty when nothing more is known).
    virtual std::optional<QString> OpenUrl(const QUrl& url) = 0;
};

// The real shell, through the desktop's URL handler (xdg-open on Linux desktops).
class DesktopShell final : public Shell {
public:
    std::optional<QString> OpenUrl(const QUrl& url) override;
};

}  // namespace ferrolin
