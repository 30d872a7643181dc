// SPDX-License-Identifier: GPL-3.0-or-later
// The window's spoken feedback on a fake voice: what is said for each state of Audio and of a
// screen reader, at which priority, and a failure shown once per switching on.
#include <QAction>
#include <QSignalSpy>
#include <QTest>

#include "platform/fakes/FakeVoice.h"
#include "window/SpokenFeedback.h"

using namespace ferrolin;

class SpokenFeedbackTest : public QObject {
    Q_OBJECT
private slots:
    void saysOnlyWhatTheStateAllows_data() {
        QTest::addColumn<bool>("audio");
        QTest::addColumn<bool>("screenReader");
        QTest::addColumn<QStringList>("spoken");
        QTest::addColumn<SpeechPriority>("priority");
        // Each case says " clear " and then the result 4.00.
        QTest::newRow("audio off") << false << false << QStringList{} << SpeechPriority::Message;
        QTest::newRow("audio off, screen reader") << false << true << QStringList{} << SpeechPriority::Message;
        QTest::newRow("audio on") << true << false << QStringList{" clear ", "Result = 4.00"} << SpeechPriority::Message;
        QTest::newRow("audio on, screen reader: the result is its to read")
            << true << true << QStringList{" clear "} << SpeechPriority::Text;
    }

    void saysOnlyWhatTheStateAllows() {
        QFETCH(bool, audio);
        QFETCH(bool, screenReader);
        QFETCH(QStringList, spoken);
        QFETCH(SpeechPriority, priority);
        QAction audioItem;
        audioItem.setCheckable(true);
        auto voice = std::make_unique<FakeVoice>();
        FakeVoice& fake = *voice;
        SpokenFeedback speech(audioItem, std::move(voice), [](const QString&) {}, nullptr);
        speech.SetScreenReaderProbe([screenReader] { return screenReader; });
        audioItem.setChecked(audio);
        QCOMPARE(speech.IsOn(), audio);

        speech.Say(QStringLiteral(" clear "));
        speech.Say(QString());  // nothing to say: no call at all
        speech.SayResult(QStringLiteral("4.00"));

        QCOMPARE(fake.spoken(), spoken);
        for (const FakeVoice::Event& event : fake.events())
            QCOMPARE(event.priority, priority);
    }

    void aFailureIsShownOncePerSwitchingOn() {
        QAction audioItem;
        audioItem.setCheckable(true);
        auto voice = std::make_unique<FakeVoice>();
        FakeVoice& fake = *voice;
        QStringList shown;
        SpokenFeedback speech(audioItem, std::move(voice), [&](const QString& message) { shown << message; }, nullptr);
        audioItem.trigger();
        fake.FailAlways(QStringLiteral("No speech service"));
        for (int i = 0; i < 3; ++i)
            speech.Say(QStringLiteral("x"));
        QTRY_COMPARE(shown, QStringList{"No speech service"});
        QSignalSpy failures(&fake, &Voice::Failed);
        speech.Purge();  // fails as well: still shown only once
        QVERIFY(failures.wait());
        QCoreApplication::processEvents();  // where a second showing would happen
        QCOMPARE(shown.size(), 1);

        audioItem.trigger();  // off
        audioItem.trigger();  // on again: the next failure is news
        speech.Say(QStringLiteral("y"));
        QTRY_COMPARE(shown.size(), 2);
    }

    void noVoiceSaysNothingAndNeverFails() {
        QAction audioItem;
        audioItem.setCheckable(true);
        audioItem.setChecked(true);
        bool failed = false;
        SpokenFeedback speech(audioItem, nullptr, [&](const QString&) { failed = true; }, nullptr);
        speech.Say(QStringLiteral(" clear "));
        speech.SayResult(QStringLiteral("1.00"));
        speech.Purge();
        QVERIFY(!speech.voice());
        QVERIFY(!failed);
    }
};

QTEST_MAIN(SpokenFeedbackTest)
#include "SpokenFeedbackTest.moc"
