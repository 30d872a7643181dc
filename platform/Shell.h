#pragma once
// The desktop shell: hands web addresses to the user's default browser.
#include <QUrl>

namespace ferrolin {

class Shell {
public:
    virtual ~Shell() = default;

    // Asks the desktop to show `url` (non-blocking). False when nothing could be started for it.
    virtual bool OpenUrl(const QUrl& url) = 0;
};

// The real shell, through the desktop's URL handler (xdg-open on Linux desktops).
class DesktopShell final : public Shell {
public:
    bool OpenUrl(const QUrl& url) override;
};

}  // namespace ferrolin
