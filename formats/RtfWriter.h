// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Writes the results history as an RTF document that word processors and our own reader open.
#include <QByteArray>
#include <QString>
#include <QStringList>

namespace ferrolin {

// One paragraph per line, in `fontName` (Western character set). The bytes are the whole
// document: 7-bit ASCII, no byte-order mark, nothing before the opening brace or after the
// closing one. Characters beyond ASCII are written as \uN with a '?' fallback (\uc1).
QByteArray WriteRtf(const QStringList& lines, const QString& fontName);

}  // namespace ferrolin
