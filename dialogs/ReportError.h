// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How a failure's message reaches the application's error box: the one callback type the dialogs
// and the main window's units are handed (the main window owns the box's title and wording rules).
#include <QString>

#include <functional>

namespace ferrolin {

using ReportError = std::function<void(const QString& message)>;

}  // namespace ferrolin
