// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/ScreenReaderAnnouncer.h"

#include <QAccessible>
#include <QAccessibleObject>
#include <QTimer>

namespace ferrolin {

namespace {

// How long a notification stays answerable: the screen reader asks for its name and role after
// the event has reached it, over D-Bus, sometimes seconds later on a busy machine.
constexpr int kNotificationLifetimeMs = 60'000;

// A notification that has nothing to draw: one object per announcement, so that a reader still
// asking about an earlier one gets that one's text.
class NotificationAccessible : public QAccessibleObject {
public:
    NotificationAccessible(QObject* object, QObject* owner, QString text)
        : QAccessibleObject(object), owner_(owner), text_(std::move(text)) {}

    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(owner_); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override { return t == QAccessible::Name ? text_ : QString(); }
    QAccessible::Role role() const override { return QAccessible::Notification; }
    QAccessible::State state() const override {
        QAccessible::State s;
        s.readOnly = true;
        return s;
    }
    QRect rect() const override { return {}; }

private:
    QObject* owner_;
    QString text_;
};

}  // namespace

ScreenReaderAnnouncer::ScreenReaderAnnouncer(QObject* owner) : QObject(owner), owner_(owner) {}

ScreenReaderAnnouncer::~ScreenReaderAnnouncer() = default;

void ScreenReaderAnnouncer::Announce(const QString& text) {
    if (text.isEmpty()) return;
    emit Announced(text);
    if (!QAccessible::isActive()) return;
    auto* notification = new QObject(this);
    notification->setObjectName(QStringLiteral("Announcement"));
    auto* accessible = new NotificationAccessible(notification, owner_, text);
    const QAccessible::Id id = QAccessible::registerAccessibleInterface(accessible);
    QAccessibleEvent shown(accessible, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
    QTimer::singleShot(kNotificationLifetimeMs, notification, [notification, id] {
        QAccessible::deleteAccessibleInterface(id);
        notification->deleteLater();
    });
}

}  // namespace ferrolin
