// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/FileNameUnit.h"

namespace ferrolin {

QString TTextFilename::Filename() const
{
    return storedName_.isEmpty() ? QStringLiteral("Results.txt") : storedName_;
}

void TTextFilename::Reset()
{
    isDirty_ = true;
    storedName_.clear();
}

}  // namespace ferrolin
