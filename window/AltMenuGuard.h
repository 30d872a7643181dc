// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Keeps a menu that Alt+letter opened from closing on the late Alt press of that same chord.
//
// While a screen reader runs, Qt's accessibility bridge holds every key press until the screen
// reader has seen it and then posts it again, but shortcuts act at once. In a quick Alt+F the
// File menu is therefore open before the chord's own Alt press arrives, and a menu closes on Alt.
// So the first Alt press that reaches a just-opened menu from the bridge (posted, not straight from
// the window system) within the bridge's wait is the chord's, and is dropped; any other Alt press
// closes the menu as usual. (Whether Alt was down when the menu opened cannot tell it: on Wayland
// the modifier state may not know of Alt yet when the shortcut acts.) For the same reason a key
// can be posted to a menu that has closed in the meantime; it goes to the focus widget instead.
#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <chrono>

class QMenu;

namespace ferrolin {

class AltMenuGuard : public QObject {
    Q_OBJECT
public:
    // The bridge waits at most 100 ms for the screen reader's answer; the rest is room for a busy
    // machine, whose event loop may take as long again to post the press. A person who opens a
    // menu and closes it with Alt takes longer.
    static constexpr std::chrono::milliseconds kBridgeWait{500};

    explicit AltMenuGuard(QObject* parent, std::chrono::milliseconds bridgeWait = kBridgeWait);

    // Guards `menu` from now on.
    void Watch(QMenu& menu);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::chrono::milliseconds bridgeWait_;
    QPointer<QMenu> opened_;  // the menu opened last, until its first Alt press or until it closes
    QElapsedTimer sinceOpened_;
};

}  // namespace ferrolin
