// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/fakes/FakeMessageBoxes.h"

namespace ferrolin {

void FakeMessageBoxes::Record(Kind kind, QWidget* owner, const QString& title, const QString& text) {
    calls_.append(Call{kind, owner, title, text});
    if (onShow) {
        onShow(calls_.back());
    }
}

void FakeMessageBoxes::ShowError(QWidget* owner, const QString& title, const QString& text) {
    Record(Kind::Error, owner, title, text);
}

void FakeMessageBoxes::ShowNotice(const QString& title, const QString& text) {
    Record(Kind::Notice, nullptr, title, text);
}

MessageBoxes::SaveChoice FakeMessageBoxes::AskSaveChanges(QWidget* owner, const QString& title,
                                                          const QString& question) {
    Record(Kind::AskSaveChanges, owner, title, question);
    if (!nextChoices.isEmpty()) {
        return nextChoices.takeFirst();
    }
    return saveChoice;
}

QStringList FakeMessageBoxes::texts(Kind kind) const {
    QStringList result;
    for (const Call& call : calls_) {
        if (call.kind == kind) {
            result.append(call.text);
        }
    }
    return result;
}

}  // namespace ferrolin
