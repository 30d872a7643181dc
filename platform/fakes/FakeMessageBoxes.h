// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// MessageBoxes for tests: remembers every box in order and answers AskSaveChanges with a preset
// choice. Nothing is ever shown.
//
//   FakeMessageBoxes boxes;
//   boxes.saveChoice = MessageBoxes::SaveChoice::Discard;   // or queue several in nextChoices
//   ... code under test ...
//   QCOMPARE(boxes.calls().size(), 1);
//   QCOMPARE(boxes.calls()[0].kind, FakeMessageBoxes::Kind::Error);
//   QCOMPARE(boxes.errors(), QStringList{"Floating point division by zero."});
//
// onShow, when set, runs inside each call, as code would run while a real modal box is open.
#include "platform/MessageBoxes.h"

#include <QList>
#include <QPointer>
#include <QStringList>
#include <QWidget>
#include <functional>

namespace ferrolin {

class FakeMessageBoxes : public MessageBoxes {
public:
    enum class Kind { Error, Notice, AskSaveChanges };
    struct Call {
        Kind kind;
        QPointer<QWidget> owner;  // null for notices
        QString title;
        QString text;             // the question for AskSaveChanges
    };

    void ShowError(QWidget* owner, const QString& title, const QString& text) override;
    void ShowNotice(const QString& title, const QString& text) override;
    SaveChoice AskSaveChanges(QWidget* owner, const QString& title, const QString& question) override;

    // Every box so far, oldest first.
    const QList<Call>& calls() const { return calls_; }
    // The texts of the boxes of one kind, oldest first.
    QStringList texts(Kind kind) const;
    QStringList errors() const { return texts(Kind::Error); }
    QStringList notices() const { return texts(Kind::Notice); }
    void clear() { calls_.clear(); }

    // The answer to AskSaveChanges: the front of nextChoices while it has any, else saveChoice.
    SaveChoice saveChoice = SaveChoice::Save;
    QList<SaveChoice> nextChoices;

    std::function<void(const Call&)> onShow;

private:
    void Record(Kind kind, QWidget* owner, const QString& title, const QString& text);

    QList<Call> calls_;
};

}  // namespace ferrolin
