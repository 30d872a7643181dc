// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How a dialog hands a failure to the application's error box (the main window owns its
// title and wording rules).
#include <QString>

#include <functional>

namespace ferrolin {

using ReportError = std::function<void(const QString& message)>;

}  // namespace ferrolin
