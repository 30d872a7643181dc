// SPDX-License-Identifier: GPL-3.0-or-later
// Who counts as a screen reader, asked of a real accessibility bus (run under
// scripts/run-accessible; elsewhere it skips): Qt's bridge being on is not enough.
#include "platform/ScreenReaderPresence.h"

#include <QAccessible>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QSignalSpy>
#include <QTest>

using namespace ferrolin;

namespace {

bool SetScreenReaderEnabled(bool enabled) {
    QDBusMessage set = QDBusMessage::createMethodCall("org.a11y.Bus", "/org/a11y/bus", "org.freedesktop.DBus.Properties", "Set");
    set << QStringLiteral("org.a11y.Status") << QStringLiteral("ScreenReaderEnabled")
        << QVariant::fromValue(QDBusVariant(enabled));
    return QDBusConnection::sessionBus().call(set, QDBus::Block, 5000).type() == QDBusMessage::ReplyMessage;
}

}  // namespace

class ScreenReaderPresenceTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QAccessible::setActive(true);
        if (qEnvironmentVariableIsSet("FERROLIN_REQUIRE_ACCESSIBILITY"))
            (void)QTest::qWaitFor([] { return QAccessible::isActive(); }, 10000);
        if (QAccessible::isActive()) return;
        if (qEnvironmentVariableIsSet("FERROLIN_REQUIRE_ACCESSIBILITY"))
            QFAIL("no accessibility bridge although one was required");
        QSKIP("this platform plugin has no accessibility bridge (run it with scripts/run-accessible)");
    }

    void answersWhatTheBusTells_data() {
        QTest::addColumn<bool>("desktopSaysScreenReader");
        QTest::newRow("bridge on, no screen reader") << false;
        QTest::newRow("the desktop's screen reader setting") << true;
    }

    void answersWhatTheBusTells() {
        QFETCH(bool, desktopSaysScreenReader);
        QVERIFY(SetScreenReaderEnabled(desktopSaysScreenReader));
        ScreenReaderPresence presence;
        QSignalSpy answered(&presence, &ScreenReaderPresence::Answered);
        (void)presence.IsRunning();  // the first question: the bridge alone answers it
        QVERIFY(answered.wait(5000));
        QCOMPARE(answered.first().first().toBool(), desktopSaysScreenReader);
        QCOMPARE(presence.IsRunning(), desktopSaysScreenReader);
        QVERIFY(SetScreenReaderEnabled(false));
    }
};

QTEST_MAIN(ScreenReaderPresenceTest)
#include "ScreenReaderPresenceTest.moc"
