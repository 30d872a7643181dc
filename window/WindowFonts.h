// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window's font family (DesignMetrics::FontFamily), looked up beside the window's start.
#include <QFont>
#include <QString>
#include <future>

namespace ferrolin {

// The family, looked up once on Qt's global thread pool; the first call starts the lookup.
std::shared_future<QString> PreferredFamily();
// The family at `pixels` pixels; waits for the lookup.
QFont PreferredFont(int pixels);

}  // namespace ferrolin
