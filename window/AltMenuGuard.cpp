#include "window/AltMenuGuard.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>

namespace ferrolin {

AltMenuGuard::AltMenuGuard(QObject* parent, std::chrono::milliseconds bridgeWait)
    : QObject(parent), bridgeWait_(bridgeWait) {}

void AltMenuGuard::Watch(QMenu& menu) {
    menu.installEventFilter(this);
    connect(&menu, &QMenu::aboutToShow, this, [this, menu = &menu] {
        // Alt is still down: the menu came from its access key, not from a click, F10 or arrows.
        if (!(QGuiApplication::keyboardModifiers() & Qt::AltModifier)) return;
        openedWithAlt_ = menu;
        sinceOpened_.start();
    });
    connect(&menu, &QMenu::aboutToHide, this, [this, menu = &menu] {
        if (openedWithAlt_ == menu) openedWithAlt_ = nullptr;
    });
}

bool AltMenuGuard::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || watched != openedWithAlt_) return false;
    if (static_cast<QKeyEvent*>(event)->key() != Qt::Key_Alt) return false;
    // Only the first one can be the chord's.
    const bool late = sinceOpened_.elapsed() <= bridgeWait_.count();
    openedWithAlt_ = nullptr;
    return late;
}

}  // namespace ferrolin
