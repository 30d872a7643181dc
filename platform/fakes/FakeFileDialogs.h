// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// FileDialogs for tests: records every request and answers with the queued choices. Nothing is
// ever shown.
//
//   FakeFileDialogs dialogs;
//   dialogs.openAnswers << FileDialogChoice{"/tmp/a.txt", 1};   // accepted
//   dialogs.saveAnswers << std::nullopt;                          // cancelled
//
// With no answer queued, a dialog counts as cancelled. onShow runs inside each call, as code
// would run while a real modal dialog is open.
#include "platform/FileDialogs.h"

#include <QList>
#include <functional>

namespace ferrolin {

class FakeFileDialogs final : public FileDialogs {
public:
    enum class Kind { Open, Save };
    struct Call {
        Kind kind;
        FileDialogRequest request;
    };

    std::optional<FileDialogChoice> GetOpenFileName(QWidget* owner, const FileDialogRequest& request) override;
    std::optional<FileDialogChoice> GetSaveFileName(QWidget* owner, const FileDialogRequest& request) override;

    QList<std::optional<FileDialogChoice>> openAnswers;
    QList<std::optional<FileDialogChoice>> saveAnswers;
    std::function<void(const Call&)> onShow;

    const QList<Call>& calls() const { return calls_; }
    qsizetype count(Kind kind) const;
    void clear() { calls_.clear(); }

private:
    std::optional<FileDialogChoice> Answer(Kind kind, const FileDialogRequest& request,
                                           QList<std::optional<FileDialogChoice>>& answers);

    QList<Call> calls_;
};

}  // namespace ferrolin
