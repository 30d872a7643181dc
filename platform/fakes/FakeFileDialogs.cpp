// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/fakes/FakeFileDialogs.h"

#include <algorithm>

namespace ferrolin {

std::optional<FileDialogChoice> FakeFileDialogs::GetOpenFileName(QWidget*, const FileDialogRequest& request)
{
    return Answer(Kind::Open, request, openAnswers);
}

std::optional<FileDialogChoice> FakeFileDialogs::GetSaveFileName(QWidget*, const FileDialogRequest& request)
{
    return Answer(Kind::Save, request, saveAnswers);
}

qsizetype FakeFileDialogs::count(Kind kind) const
{
    return std::count_if(calls_.begin(), calls_.end(), [kind](const Call& c) { return c.kind == kind; });
}

std::optional<FileDialogChoice> FakeFileDialogs::Answer(Kind kind, const FileDialogRequest& request,
                                                        QList<std::optional<FileDialogChoice>>& answers)
{
    calls_.append({kind, request});
    if (onShow)
        onShow(calls_.last());
    return answers.isEmpty() ? std::nullopt : answers.takeFirst();
}

}  // namespace ferrolin
