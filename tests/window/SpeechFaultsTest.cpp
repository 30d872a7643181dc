// SPDX-License-Identifier: GPL-3.0-or-later
// The calculator with audio on, speaking to a speech service that misbehaves in every way a
// stand-in service can: the window keeps answering (no wait between two turns of its event loop
// over 250 ms), every evaluation lands in the history, and the failure is shown once.
#include <QTemporaryDir>
#include <QTest>

#include <optional>

#include "platform/fakes/service/FakeSpeechService.h"
#include "window/support/EventLoopPing.h"
#include "window/support/SpeakingWindow.h"
#include "platform/ScopedEnv.h"

using namespace ferrolin;
using namespace ferrolin::testing;
using Behaviour = FakeSpeechService::Behaviour;

class SpeechFaultsTest : public QObject {
    Q_OBJECT
private slots:
    void windowKeepsAnsweringAndKeepsTheHistory_data() {
        QTest::addColumn<std::optional<Behaviour>>("behaviour");  // none: nothing listens
        QTest::addColumn<bool>("autospawn");
        QTest::addColumn<QString>("spawnProgram");
        QTest::addColumn<QString>("message");  // a part of the error box's text
        const std::optional<Behaviour> none;
        QTest::newRow("accepts and never answers") << std::optional(Behaviour::Silent) << true << "" << "did not answer";
        QTest::newRow("answers garbage") << std::optional(Behaviour::Garbage) << true << "" << "protocol";
        QTest::newRow("closes mid-reply") << std::optional(Behaviour::ClosesMidReply) << true << "" << "closed";
        QTest::newRow("closes at once") << std::optional(Behaviour::ClosesAtOnce) << true << "" << "closed";
        QTest::newRow("no service, autospawn impossible") << none << true << "/bin/false" << "refused to start";
        QTest::newRow("no service, no program to start") << none << true << "/nonexistent/speech-dispatcher"
                                                           << "could not be started";
        QTest::newRow("no service, autospawn off") << none << false << "" << "Autospawn disabled";
    }

    void windowKeepsAnsweringAndKeepsTheHistory() {
        QFETCH(std::optional<Behaviour>, behaviour);
        QFETCH(bool, autospawn);
        QFETCH(QString, spawnProgram);
        QFETCH(QString, message);
        QTemporaryDir dir;
        const QString path = dir.filePath("speechd.sock");
        std::optional<FakeSpeechService> service;
        if (behaviour) service.emplace(path, *behaviour);
        ScopedEnv address("SPEECHD_ADDRESS", "unix_socket:" + path.toLocal8Bit());
        SpeechDispatcherVoice::Options options;
        options.autospawn = autospawn;
        if (!spawnProgram.isEmpty()) options.spawnProgram = spawnProgram;
        options.replyTimeoutMs = 1000;
        SpeakingWindow window(options);
        EventLoopPing ping;

        window.EvaluateWithEnter(QStringLiteral("1+1"));
        window.EvaluateWithKey(QStringLiteral("2*3"));
        QTRY_COMPARE_WITH_TIMEOUT(window.boxes.errors().size(), 1, 10000);
        QVERIFY2(window.boxes.errors().first().contains(message, Qt::CaseInsensitive), qPrintable(window.boxes.errors().first()));
        const qsizetype failuresBefore = window.failures->size();
        window.EvaluateWithEnter(QStringLiteral("10/4"));  // tries the service again
        QTRY_VERIFY_WITH_TIMEOUT(window.failures->size() > failuresBefore, 10000);

        QCOMPARE(window.History(), (QStringList{"1+1= 2.00", "2*3= 6.00", "10/4= 2.50"}));
        QCOMPARE(window.boxes.errors().size(), 1);
        qInfo("longest wait of the event loop: %lld ms", ping.longestWaitMs());
        QVERIFY2(ping.longestWaitMs() <= EventLoopPing::kLongestAllowedMs, qPrintable(QString::number(ping.longestWaitMs())));
    }
};

QTEST_MAIN(SpeechFaultsTest)
#include "SpeechFaultsTest.moc"
