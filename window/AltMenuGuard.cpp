#include "window/AltMenuGuard.h"

#include <QKeyEvent>
#include <QMenu>

namespace ferrolin {

AltMenuGuard::AltMenuGuard(QObject* parent, std::chrono::milliseconds bridgeWait)
    : QObject(parent), bridgeWait_(bridgeWait) {}

void AltMenuGuard::Watch(QMenu& menu) {
    menu.installEventFilter(this);
    connect(&menu, &QMenu::aboutToShow, this, [this, menu = &menu] {
        opened_ = menu;
        sinceOpened_.start();
    });
    connect(&menu, &QMenu::aboutToHide, this, [this, menu = &menu] {
        if (opened_ == menu) opened_ = nullptr;
    });
}

bool AltMenuGuard::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || watched != opened_) return false;
    if (static_cast<QKeyEvent*>(event)->key() != Qt::Key_Alt) return false;
    // Only the first one can be the chord's, and only if the bridge posted it.
    const bool chords = !event->spontaneous() && sinceOpened_.elapsed() <= bridgeWait_.count();
    opened_ = nullptr;
    return chords;
}

}  // namespace ferrolin
