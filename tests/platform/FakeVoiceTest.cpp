// SPDX-License-Identifier: GPL-3.0-or-later
// Other windows' tests lean on FakeVoice to stand in for the service, failures included.
#include "platform/fakes/FakeVoice.h"

#include <QSignalSpy>
#include <QTest>

using namespace ferrolin;

class FakeVoiceTest : public QObject {
    Q_OBJECT
private slots:
    void failures_data() {
        QTest::addColumn<bool>("always");
        QTest::addColumn<QList<bool>>("failed");  // for three calls in a row
        QTest::newRow("next call only") << false << QList<bool>{true, false, false};
        QTest::newRow("every call") << true << QList<bool>{true, true, true};
    }
    void failures() {
        QFETCH(bool, always);
        QFETCH(QList<bool>, failed);
        FakeVoice voice;
        const QString message = QStringLiteral("Speech service unavailable");
        if (always) voice.FailAlways(message);
        else voice.FailNext(message);
        QSignalSpy reported(&voice, &Voice::Failed);
        for (qsizetype i = 0; i < failed.size(); ++i) {
            if (i == 1) voice.Purge();
            else voice.Speak(QStringLiteral("p%1").arg(i));
            QCOMPARE(voice.events().at(i).failed, failed[i]);
        }
        // Like the real voice: never from inside the call, later from the event loop.
        QCOMPARE(reported.size(), 0);
        const qsizetype failures = failed.count(true);
        QTRY_COMPARE(reported.size(), failures);
        for (const QList<QVariant>& arguments : reported) QCOMPARE(arguments.first().toString(), message);
        voice.StopFailing();
        voice.Speak(QStringLiteral("fine"));
        QCOMPARE(voice.events().last(), (FakeVoice::Event{FakeVoice::Call::Speak, "fine", false}));
        QCOMPARE(voice.spoken().last(), QStringLiteral("fine"));
        QCOMPARE(voice.spoken().contains(QStringLiteral("p0")), false);
    }

    void emittedWordsFollowTheText() {
        FakeVoice voice;
        QSignalSpy words(&voice, &Voice::Word);
        voice.EmitWords(QStringLiteral(" Result\r\n= 5.00"));
        QCOMPARE(words.size(), 3);
        QCOMPARE(words.at(0), (QList<QVariant>{1, 6}));
        QCOMPARE(words.at(1), (QList<QVariant>{9, 1}));
        QCOMPARE(words.at(2), (QList<QVariant>{11, 4}));
    }
};

QTEST_MAIN(FakeVoiceTest)
#include "FakeVoiceTest.moc"
