// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ScreenReaderPresence.h"

#include <QAccessible>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QMetaObject>
#include <QThread>
#include <mutex>
#include <thread>

namespace ferrolin {

namespace {

constexpr int kCallTimeoutMs = 1000;
constexpr qint64 kAnswerLifetimeMs = 1000;

QDBusMessage Call(QDBusConnection& bus, const QString& service, const QString& path, const QString& interface,
                  const QString& method, const QVariantList& arguments = {}) {
    QDBusMessage message = QDBusMessage::createMethodCall(service, path, interface, method);
    message.setArguments(arguments);
    return bus.call(message, QDBus::Block, kCallTimeoutMs);
}

bool NonEmptyArray(const QVariant& value) {
    if (!value.canConvert<QDBusArgument>()) return false;
    const QDBusArgument array = value.value<QDBusArgument>();
    if (array.currentType() != QDBusArgument::ArrayType) return false;
    array.beginArray();
    const bool any = !array.atEnd();
    return any;
}

}  // namespace

bool AskBusForScreenReader() {
    QDBusConnection session = QDBusConnection::sessionBus();
    if (!session.isConnected()) return false;
    const QString busService = QStringLiteral("org.a11y.Bus");
    const QString busPath = QStringLiteral("/org/a11y/bus");
    const QDBusMessage enabled =
        Call(session, busService, busPath, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"),
             {QStringLiteral("org.a11y.Status"), QStringLiteral("ScreenReaderEnabled")});
    if (enabled.type() == QDBusMessage::ReplyMessage && !enabled.arguments().isEmpty() &&
        enabled.arguments().first().value<QDBusVariant>().variant().toBool())
        return true;

    const QDBusMessage address = Call(session, busService, busPath, busService, QStringLiteral("GetAddress"));
    if (address.type() != QDBusMessage::ReplyMessage || address.arguments().isEmpty()) return false;
    // A connection of this thread's own, named after it, so that no two questions share one.
    const QString name = QStringLiteral("ferrolin-screen-reader-%1").arg(quintptr(QThread::currentThreadId()));
    bool listening = false;
    {
        QDBusConnection a11y = QDBusConnection::connectToBus(address.arguments().first().toString(), name);
        if (a11y.isConnected()) {
            const QDBusMessage listeners =
                Call(a11y, QStringLiteral("org.a11y.atspi.Registry"), QStringLiteral("/org/a11y/atspi/registry/deviceeventcontroller"),
                     QStringLiteral("org.a11y.atspi.DeviceEventController"), QStringLiteral("GetKeystrokeListeners"));
            listening = listeners.type() == QDBusMessage::ReplyMessage && !listeners.arguments().isEmpty() &&
                        NonEmptyArray(listeners.arguments().first());
        }
    }
    QDBusConnection::disconnectFromBus(name);
    return listening;
}

// The answer's way back: the thread may finish after the presence is gone.
struct ScreenReaderPresence::Shared {
    std::mutex mutex;
    ScreenReaderPresence* receiver = nullptr;
};

ScreenReaderPresence::ScreenReaderPresence(QObject* parent) : QObject(parent), shared_(std::make_shared<Shared>()) {
    shared_->receiver = this;
}

ScreenReaderPresence::~ScreenReaderPresence() {
    std::lock_guard lock(shared_->mutex);
    shared_->receiver = nullptr;
}

bool ScreenReaderPresence::IsRunning() {
    if (!asking_ && (!sinceAnswer_.isValid() || sinceAnswer_.elapsed() > kAnswerLifetimeMs)) Ask();
    // Until the bus has answered once, an active bridge counts, as it always did.
    return QAccessible::isActive() && (running_ || !sinceAnswer_.isValid());
}

void ScreenReaderPresence::Ask() {
    asking_ = true;
    // A plain detached thread: it may outlive this object (a hung bus answers within a second),
    // and owns nothing but the shared way back.
    std::thread([shared = shared_] {
        const bool running = AskBusForScreenReader();
        std::lock_guard lock(shared->mutex);
        if (!shared->receiver) return;
        QMetaObject::invokeMethod(
            shared->receiver,
            [target = shared->receiver, running] {
                target->asking_ = false;
                target->running_ = running;
                target->sinceAnswer_.start();
                emit target->Answered(running);
            },
            Qt::QueuedConnection);
    }).detach();
}

}  // namespace ferrolin
