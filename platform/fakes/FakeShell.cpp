#include "platform/fakes/FakeShell.h"

namespace ferrolin {

bool FakeShell::OpenUrl(const QUrl& url)
{
    openedUrls.append(url);
    return succeeds;
}

}  // namespace ferrolin
