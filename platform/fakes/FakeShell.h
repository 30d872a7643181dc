#pragma once
// A shell that records every address it is asked to open and answers as told.
#include "platform/Shell.h"

#include <QList>

namespace ferrolin {

class FakeShell final : public Shell {
public:
    bool OpenUrl(const QUrl& url) override;

    bool succeeds = true;      // what OpenUrl answers
    QList<QUrl> openedUrls;    // every call, in order, whatever was answered
};

}  // namespace ferrolin
