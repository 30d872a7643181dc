// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Whether a screen reader really runs. Qt's accessibility bridge is on whenever the desktop's
// accessibility bus is, and some desktops switch that on with no screen reader at all: a user
// who then turns Audio on must still hear every result. A screen reader shows itself on the
// accessibility bus: the desktop's ScreenReaderEnabled setting, or a listener for every key
// (Orca registers one to see its commands).
#include <QObject>
#include <QElapsedTimer>
#include <atomic>
#include <memory>

namespace ferrolin {

class ScreenReaderPresence : public QObject {
    Q_OBJECT
public:
    explicit ScreenReaderPresence(QObject* parent = nullptr);
    ~ScreenReaderPresence() override;

    // What the bus said last, and only while Qt's bridge is active (before its first answer: the
    // bridge alone). Never waits: the bus is asked on a thread of its own when the last answer is
    // older than a second. Not at start: the question costs a start of the program half again.
    bool IsRunning();

signals:
    // An answer came from the bus (whether or not it changed anything).
    void Answered(bool running);

private:
    void Ask();

    struct Shared;
    std::shared_ptr<Shared> shared_;
    bool running_ = false;
    bool asking_ = false;
    QElapsedTimer sinceAnswer_;
};

// The question itself, asked synchronously (each call at most a second): true when the
// accessibility bus tells of a screen reader.
bool AskBusForScreenReader();

}  // namespace ferrolin
