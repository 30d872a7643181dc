// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A shell that records every address it is asked to open and answers as told.
#include "platform/Shell.h"

#include <QList>

namespace ferrolin {

class FakeShell final : public Shell {
public:
    std::optional<QString> OpenUrl(const QUrl& url) override;

    bool succeeds = true;      // whether OpenUrl hands the address on
    QString reason;            // what it says when it does not
    QList<QUrl> openedUrls;    // every call, in order, whatever was answered
};

}  // namespace ferrolin
