// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The fixed text of the Quick Start Guide.
#include <QString>
#include <QStringList>

namespace ferrolin {

// The guide, one entry per line (empty entries are empty lines).
QStringList GuideLines();

// The same lines joined with line feeds, as the Guide window shows them.
QString GuideText();

}  // namespace ferrolin
