#pragma once
// Keeps a menu that Alt+letter opened from closing on the late Alt press of that same chord.
//
// While a screen reader runs, Qt's accessibility bridge holds every key press until the screen
// reader has seen it and then posts it again, but shortcuts act at once. In a quick Alt+F the
// File menu is therefore open before the chord's own Alt press arrives, and a menu closes on Alt.
// So an Alt press that reaches such a menu within the bridge's wait after it opened is the
// chord's, and is dropped; a later one closes the menu as usual.
#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <chrono>

class QMenu;

namespace ferrolin {

class AltMenuGuard : public QObject {
    Q_OBJECT
public:
    // The bridge waits at most 100 ms for the screen reader; the rest is room for a busy machine.
    static constexpr std::chrono::milliseconds kBridgeWait{250};

    explicit AltMenuGuard(QObject* parent, std::chrono::milliseconds bridgeWait = kBridgeWait);

    // Guards `menu` from now on.
    void Watch(QMenu& menu);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::chrono::milliseconds bridgeWait_;
    QPointer<QMenu> openedWithAlt_;  // the menu Alt+letter opened last, while it is open
    QElapsedTimer sinceOpened_;
};

}  // namespace ferrolin
