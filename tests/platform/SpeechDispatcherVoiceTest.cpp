// SPDX-License-Identifier: GPL-3.0-or-later
// The real voice against stand-in speech services on a unix socket: what it says in the protocol,
// and that no way a service can misbehave blocks a caller, throws, or costs more than the phrases.
// Also the protocol reader and the address rules it builds on.
#include "platform/SpeechDispatcherAddress.h"
#include "platform/SpeechDispatcherVoice.h"
#include "platform/SpeechMarkup.h"
#include "platform/SsipReader.h"
#include "platform/fakes/service/FakeSpeechService.h"
#include "platform/ScopedEnv.h"

#include <QElapsedTimer>
#include <QFile>
#include <QHash>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

using namespace ferrolin;

namespace {

using Behaviour = FakeSpeechService::Behaviour;
using Messages = QList<SsipMessage>;
using Env = QHash<QString, QString>;

constexpr int kReplyTimeoutMs = 400;
// Every Speak, Purge and the destructor must come back at once, whatever the service does. One
// that waited for the service would take at least a reply deadline; anything shorter, however
// loaded the machine, shows it did not wait.
constexpr qint64 kWaitedForTheServiceMs = kReplyTimeoutMs;

SpeechDispatcherVoice::Options FastOptions(bool autospawn = false, const QString& program = {}) {
    SpeechDispatcherVoice::Options options;
    options.autospawn = autospawn;
    if (!program.isEmpty()) options.spawnProgram = program;
    options.replyTimeoutMs = kReplyTimeoutMs;
    options.spawnTimeoutMs = 1500;
    return options;
}

// A stand-in service in a folder of its own, and SPEECHD_ADDRESS leading to it while this lives.
struct ServiceInUse {
    explicit ServiceInUse(Behaviour behaviour)
        : service(dir.filePath("s.sock"), behaviour), address("SPEECHD_ADDRESS", service.address()) {}
    QTemporaryDir dir;
    FakeSpeechService service;
    ScopedEnv address;
};

// Returns once a reply deadline started before the call has certainly run out: a fresh voice asks
// a service that never answers, and its own deadline, started later, has to expire first. Used
// where a test shows that something which could only come from such a deadline never comes.
[[nodiscard]] bool WaitOutAReplyDeadline() {
    ServiceInUse silent(Behaviour::Silent);
    SpeechDispatcherVoice voice(FastOptions());
    QSignalSpy failed(&voice, &Voice::Failed);
    voice.Speak(QStringLiteral("never answered"));
    return failed.wait(5000);
}

}  // namespace

Q_DECLARE_METATYPE(Behaviour)

class SpeechDispatcherVoiceTest : public QObject {
    Q_OBJECT
private slots:
    void readerSplitsMessages_data() {
        QTest::addColumn<QList<QByteArray>>("chunks");
        QTest::addColumn<Messages>("expected");
        QTest::addColumn<bool>("ok");
        QTest::newRow("one-line reply") << QList<QByteArray>{"208 OK CLIENT NAME SET\r\n"}
                                        << Messages{{208, {"OK CLIENT NAME SET"}}} << true;
        QTest::newRow("multi-line reply, split anywhere")
            << QList<QByteArray>{"22", "5-17\r", "\n225 OK MESSAGE QUEUED\r\n"}
            << Messages{{225, {"17", "OK MESSAGE QUEUED"}}} << true;
        QTest::newRow("event between replies")
            << QList<QByteArray>{"230 OK RECEIVING DATA\r\n700-3\r\n700-1\r\n700-w1_0_2\r\n700 INDEX MARK\r\n210 OK\r\n"}
            << Messages{{230, {"OK RECEIVING DATA"}}, {700, {"3", "1", "w1_0_2", "INDEX MARK"}}, {210, {"OK"}}} << true;
        QTest::newRow("bare line feeds") << QList<QByteArray>{"210 OK\n"} << Messages{{210, {"OK"}}} << true;
        QTest::newRow("unfinished message waits") << QList<QByteArray>{"225-17\r\n"} << Messages{} << true;
        QTest::newRow("not a code") << QList<QByteArray>{"HTTP/1.1 400 Bad Request\r\n"} << Messages{} << false;
        QTest::newRow("code without separator") << QList<QByteArray>{"2100\r\n"} << Messages{} << false;
        QTest::newRow("code below 100") << QList<QByteArray>{"042 OK\r\n"} << Messages{} << false;
        QTest::newRow("lines change code") << QList<QByteArray>{"225-17\r\n226 OK\r\n"} << Messages{} << false;
        QTest::newRow("line that never ends") << QList<QByteArray>{QByteArray(70000, 'x')} << Messages{} << false;
        QTest::newRow("message that never ends")
            << QList<QByteArray>{QByteArray("225-17\r\n").repeated(SsipReader::kMaxMessageLines + 1)} << Messages{} << false;
    }
    void readerSplitsMessages() {
        QFETCH(QList<QByteArray>, chunks);
        QFETCH(Messages, expected);
        QFETCH(bool, ok);
        SsipReader reader;
        bool fed = true;
        for (const QByteArray& chunk : chunks) fed = reader.Feed(chunk) && fed;
        QCOMPARE(fed, ok);
        Messages got;
        while (auto message = reader.Take()) got.append(*message);
        QCOMPARE(got, expected);
    }

    void addressRules_data() {
        QTest::addColumn<Env>("env");
        QTest::addColumn<QString>("path");   // empty when an error is expected
        QTest::addColumn<QString>("error");  // a part of the message
        QTest::newRow("runtime folder") << Env{{"XDG_RUNTIME_DIR", "/run/user/7"}, {"HOME", "/home/a"}}
                                        << "/run/user/7/speech-dispatcher/speechd.sock" << "";
        QTest::newRow("no runtime folder: cache folder")
            << Env{{"XDG_CACHE_HOME", "/c"}, {"HOME", "/home/a"}} << "/c/speech-dispatcher/speechd.sock" << "";
        QTest::newRow("relative cache folder is ignored")
            << Env{{"XDG_CACHE_HOME", "c"}, {"HOME", "/home/a"}} << "/home/a/.cache/speech-dispatcher/speechd.sock" << "";
        QTest::newRow("empty runtime folder")
            << Env{{"XDG_RUNTIME_DIR", ""}, {"HOME", "/h"}} << "/h/.cache/speech-dispatcher/speechd.sock" << "";
        QTest::newRow("unix_socket:PATH") << Env{{"SPEECHD_ADDRESS", "unix_socket:/tmp/s.sock"}, {"XDG_RUNTIME_DIR", "/r"}}
                                          << "/tmp/s.sock" << "";
        QTest::newRow("path ends at the next colon")
            << Env{{"SPEECHD_ADDRESS", "unix_socket:/tmp/a:b"}} << "/tmp/a" << "";
        QTest::newRow("unix_socket alone") << Env{{"SPEECHD_ADDRESS", "unix_socket"}, {"XDG_RUNTIME_DIR", "/r"}}
                                           << "/r/speech-dispatcher/speechd.sock" << "";
        QTest::newRow("empty address") << Env{{"SPEECHD_ADDRESS", ""}, {"XDG_RUNTIME_DIR", "/r"}}
                                       << "/r/speech-dispatcher/speechd.sock" << "";
        QTest::newRow("network address") << Env{{"SPEECHD_ADDRESS", "inet_socket:127.0.0.1:6560"}} << ""
                                         << "network address";
        QTest::newRow("unknown method") << Env{{"SPEECHD_ADDRESS", "carrier_pigeon:x"}} << "" << "Unknown";
    }
    void addressRules() {
        QFETCH(Env, env);
        QFETCH(QString, path);
        QFETCH(QString, error);
        const SpeechAddress address = ResolveSpeechAddress([&](const char* name) {
            const auto it = env.constFind(QString::fromLatin1(name));
            return it == env.cend() ? QString() : *it;
        });
        if (path.isEmpty()) {
            QVERIFY(std::holds_alternative<SpeechAddressError>(address));
            QVERIFY2(std::get<SpeechAddressError>(address).message.contains(error),
                     qPrintable(std::get<SpeechAddressError>(address).message));
        } else {
            QVERIFY(std::holds_alternative<SpeechSocketPath>(address));
            QCOMPARE(std::get<SpeechSocketPath>(address).path, path);
        }
    }

    // The language is asked for before the first phrase, by espeak-ng's name for it. Once the
    // phrases are out the voice list (thousands of lines in real life) shows whether a voice
    // speaks it and by what name; without one the caller is told once.
    void asksForTheLanguageOfItsVoices_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("extraVoices");
        QTest::addColumn<QByteArray>("first");
        QTest::addColumn<QByteArray>("settled");  // empty: the language is unavailable
        QTest::newRow("German") << "de" << 0 << QByteArray("de") << QByteArray("de");
        QTest::newRow("Chinese is Mandarin to espeak-ng") << "zh" << 0 << QByteArray("cmn") << QByteArray("cmn");
        QTest::newRow("English by its region") << "en" << 0 << QByteArray("en") << QByteArray("en-us");
        QTest::newRow("no Polish voice") << "pl" << 0 << QByteArray("pl") << QByteArray();
        QTest::newRow("among 6000 voices") << "de" << 6000 << QByteArray("de") << QByteArray("de");
    }
    void asksForTheLanguageOfItsVoices() {
        QFETCH(QString, language);
        QFETCH(int, extraVoices);
        QFETCH(QByteArray, first);
        QFETCH(QByteArray, settled);
        ServiceInUse working(Behaviour::Speaks);
        QList<QByteArray> voices{"English (America)\ten-US\tnone", "Chinese (Mandarin)\tcmn\tnone"};
        for (int i = 0; i < extraVoices; ++i) voices << "Other+" + QByteArray::number(i) + "\txx\tnone";
        working.service.SetVoices(voices << "German\tde\tnone");
        SpeechDispatcherVoice voice(FastOptions());
        QSignalSpy unavailable(&voice, &Voice::LanguageUnavailable);
        QSignalSpy failed(&voice, &Voice::Failed);
        voice.SetLanguage(language);
        voice.Speak(QStringLiteral("one"));
        const QList<QByteArray>& commands = working.service.commands();
        QTRY_VERIFY(commands.contains("LIST SYNTHESIS_VOICES"));
        QVERIFY(commands.indexOf("SET SELF LANGUAGE " + first) < commands.indexOf("SPEAK"));
        voice.Speak(QStringLiteral("two"));
        QTRY_COMPARE(working.service.phrases().size(), 2);
        // The second phrase is heard in the language settled on.
        QList<QByteArray> asked;
        for (const QByteArray& command : commands.first(commands.lastIndexOf("SPEAK")))
            if (command.startsWith("SET SELF LANGUAGE ")) asked << command;
        QCOMPARE(asked.last(), "SET SELF LANGUAGE " + (settled.isEmpty() ? first : settled));
        QCOMPARE(commands.count("LIST SYNTHESIS_VOICES"), 1);
        QCOMPARE(unavailable.size(), settled.isEmpty() ? 1 : 0);
        QCOMPARE(failed.size(), 0);
    }

    // What the voice tells a working service: who it is, SSML with marks, its priority, the
    // phrase with every line that starts with a dot escaped; the marks come back as words.
    void speaksThroughTheProtocol() {
        ServiceInUse working(Behaviour::Speaks);
        const FakeSpeechService& service = working.service;
        QVERIFY(service.listening());
        SpeechDispatcherVoice voice(FastOptions());
        QSignalSpy words(&voice, &Voice::Word);
        QSignalSpy failed(&voice, &Voice::Failed);

        const QString first = QStringLiteral("Result = 5.00");
        const QString second = QStringLiteral("one\r\n.two\r\n.");
        voice.SetLanguage(QStringLiteral("de"));  // asked for once, before the first phrase
        voice.SetPriority(SpeechPriority::Important);
        voice.Speak(first);
        voice.SetPriority(SpeechPriority::Text);
        voice.Speak(second);
        QTRY_COMPARE(words.size(), 6);
        const QList<QList<QVariant>> expectedWords{{0, 6}, {7, 1}, {9, 4}, {0, 3}, {5, 4}, {11, 1}};
        for (int i = 0; i < words.size(); ++i) QCOMPARE(words.at(i), expectedWords.at(i));
        QCOMPARE(service.phrases().size(), 2);
        // The service got the very SSML of the phrase back, dots and all.
        const QString data = QString::fromUtf8(service.phrases().at(1));
        const QString firstMark = data.section(QStringLiteral("<mark name=\""), 1, 1).section(u'"', 0, 0);
        const std::optional<WordMark> mark = DecodeMarkName(firstMark);
        QVERIFY(mark);
        QCOMPARE(data, BuildSsml(mark->phrase, second));
        QVERIFY(voice.isConnected());

        voice.Purge();
        QTRY_COMPARE(service.commands().last(), QByteArray("CANCEL SELF"));
        const QList<QByteArray> expectedCommands{
            "SET SELF CLIENT_NAME " + qEnvironmentVariable("USER", QStringLiteral("user")).toUtf8() + ":ferrolin:voice", "SET SELF SSML_MODE on",
            "SET SELF NOTIFICATION ALL on", "SET SELF LANGUAGE de", "SET SELF PRIORITY IMPORTANT", "SPEAK",
            "SET SELF PRIORITY TEXT", "SPEAK", "LIST SYNTHESIS_VOICES", "CANCEL SELF"};
        QCOMPARE(service.commands(), expectedCommands);
        QCOMPARE(failed.size(), 0);
        QCOMPARE(service.connections(), 1);
    }

    // How each phrase ended, as the service reports it: played out, cut by another program's
    // speech (playing or still waiting), or purged by the voice itself, which is no news.
    void reportsHowEachPhraseEnded_data() {
        QTest::addColumn<int>("heldAfterMarks");  // -1: played to the end
        QTest::addColumn<bool>("reportedFirst");  // events before the reply naming the message
        QTest::addColumn<bool>("purge");
        QTest::addColumn<int>("interrupted");
        QTest::addColumn<int>("finished");  // the phrase spoken after, which always ends
        QTest::newRow("played to its end") << -1 << false << false << 0 << 2;
        QTest::newRow("reported before the reply") << -1 << true << false << 0 << 2;
        QTest::newRow("cut mid-phrase") << 1 << false << false << 1 << 1;
        QTest::newRow("cut while waiting") << 0 << false << false << 1 << 1;
        QTest::newRow("cut, reported before the reply") << 0 << true << false << 1 << 1;
        QTest::newRow("purged") << 1 << false << true << 0 << 1;
    }

    void reportsHowEachPhraseEnded() {
        QFETCH(int, heldAfterMarks);
        QFETCH(bool, reportedFirst);
        QFETCH(bool, purge);
        QFETCH(int, interrupted);
        QFETCH(int, finished);
        ServiceInUse working(Behaviour::Speaks);
        FakeSpeechService& service = working.service;
        if (reportedFirst) service.ReportBeforeReplying();
        service.HoldPhrasesAfter(heldAfterMarks);
        SpeechDispatcherVoice voice(FastOptions());
        QSignalSpy words(&voice, &Voice::Word);
        QSignalSpy cut(&voice, &Voice::Interrupted);
        QSignalSpy ended(&voice, &Voice::Finished);
        voice.Speak(QStringLiteral("one two three"));
        QTRY_COMPARE(service.phrases().size(), 1);
        if (heldAfterMarks > 0) QTRY_COMPARE(words.size(), heldAfterMarks);
        if (purge) voice.Purge();
        else service.CancelHeldPhrases();
        service.HoldPhrasesAfter(-1);
        voice.Speak(QStringLiteral("after"));
        // Events come in order: once the second phrase has ended, the first one's outcome is in.
        QTRY_COMPARE(ended.size(), finished);
        QCOMPARE(cut.size(), interrupted);
        QCOMPARE(words.size(), (heldAfterMarks < 0 ? 3 : heldAfterMarks) + 1);
    }

    // A purge before the service has answered: the phrases never reach it.
    void purgeWhileConnectingDropsThePhrases() {
        ServiceInUse working(Behaviour::Speaks);
        const FakeSpeechService& service = working.service;
        SpeechDispatcherVoice voice(FastOptions());
        QSignalSpy words(&voice, &Voice::Word);
        voice.Speak(QStringLiteral("never heard"));
        voice.Purge();
        voice.Speak(QStringLiteral("heard"));
        QTRY_COMPARE(words.size(), 1);
        QCOMPARE(service.phrases().size(), 1);
        QVERIFY(!service.commands().contains("CANCEL SELF") || service.commands().indexOf("CANCEL SELF") < service.commands().indexOf("SPEAK"));
    }

    void purgeOfAnUnusedVoiceConnectsNothing() {
        ServiceInUse working(Behaviour::Speaks);
        SpeechDispatcherVoice voice(FastOptions());
        QSignalSpy failed(&voice, &Voice::Failed);
        voice.Purge();
        voice.Speak(QString());
        // Another voice's whole conversation takes many turns of the event loop: a connection the
        // first voice had set going would have reached the service by the time its word is back.
        SpeechDispatcherVoice other(FastOptions());
        QSignalSpy words(&other, &Voice::Word);
        other.Speak(QStringLiteral("heard"));
        QTRY_COMPARE(words.size(), 1);
        QCOMPARE(working.service.connections(), 1);
        QVERIFY(!voice.isConnected());
        QCOMPARE(failed.size(), 0);
    }

    // Each way a service can fail: the calls return at once, the failure comes once per attempt,
    // nothing is spoken, and the next phrase tries again.
    void faultsCostOnlyThePhrase_data() {
        QTest::addColumn<std::optional<Behaviour>>("behaviour");  // none: nothing listens
        QTest::addColumn<QByteArray>("address");                    // when nothing listens
        QTest::addColumn<bool>("autospawn");
        QTest::addColumn<QString>("spawnProgram");
        QTest::addColumn<QString>("message");  // a part of the failure's text
        const std::optional<Behaviour> none;
        QTest::newRow("accepts and never answers") << std::optional(Behaviour::Silent) << QByteArray() << false << "" << "did not answer";
        QTest::newRow("answers garbage") << std::optional(Behaviour::Garbage) << QByteArray() << false << "" << "protocol";
        QTest::newRow("a reply that never ends")
            << std::optional(Behaviour::EndlessReply) << QByteArray() << false << "" << "answered something it should not";
        QTest::newRow("closes at once") << std::optional(Behaviour::ClosesAtOnce) << QByteArray() << false << "" << "closed";
        QTest::newRow("closes mid-reply") << std::optional(Behaviour::ClosesMidReply) << QByteArray() << false << "" << "closed";
        QTest::newRow("refuses every command") << std::optional(Behaviour::Refuses) << QByteArray() << false << "" << "refused";
        QTest::newRow("no socket, autospawn off") << none << QByteArray() << false << "" << "Autospawn disabled";
        QTest::newRow("no socket, service program missing")
            << none << QByteArray() << true << "/nonexistent/speech-dispatcher"
            << "Speech is not available: the speech service is not installed. Install the speech-dispatcher package";
        QTest::newRow("no socket, service refuses to start") << none << QByteArray() << true << "/bin/false" << "refused to start";
        QTest::newRow("no socket, service starts but never listens")
            << none << QByteArray() << true << "/bin/true" << "did not open its socket";
        QTest::newRow("network address") << none << QByteArray("inet_socket:127.0.0.1:6560") << true << "" << "network";
    }
    void faultsCostOnlyThePhrase() {
        QFETCH(std::optional<Behaviour>, behaviour);
        QFETCH(QByteArray, address);
        QFETCH(bool, autospawn);
        QFETCH(QString, spawnProgram);
        QFETCH(QString, message);
        QTemporaryDir dir;
        const QString path = dir.filePath("s.sock");
        std::optional<FakeSpeechService> service;
        if (behaviour) service.emplace(path, *behaviour);
        ScopedEnv env("SPEECHD_ADDRESS", !address.isEmpty() ? address : "unix_socket:" + path.toLocal8Bit());
        SpeechDispatcherVoice voice(FastOptions(autospawn, spawnProgram));
        QSignalSpy words(&voice, &Voice::Word);
        QSignalSpy failed(&voice, &Voice::Failed);

        for (int attempt = 1; attempt <= 2; ++attempt) {
            QElapsedTimer clock;
            clock.start();
            voice.Speak(QStringLiteral("first phrase"));
            voice.Speak(QStringLiteral("second phrase"));
            voice.Purge();
            voice.Speak(QStringLiteral("third phrase"));
            QVERIFY2(clock.elapsed() < kWaitedForTheServiceMs, qPrintable(QString::number(clock.elapsed())));
            QCOMPARE(failed.size(), attempt - 1);  // never from inside a call
            QTRY_COMPARE_WITH_TIMEOUT(failed.size(), attempt, 5000);
            const QString text = failed.last().first().toString();
            QVERIFY2(text.contains(message, Qt::CaseInsensitive), qPrintable(text));
            QVERIFY(!voice.isConnected());
        }
        QVERIFY(WaitOutAReplyDeadline());  // a late second report of an attempt would come from one
        QCOMPARE(failed.size(), 2);
        QCOMPARE(words.size(), 0);
        if (service) QCOMPARE(service->connections(), 2);
    }

    // A started service that forks and never opens its socket is stopped, with what it forked,
    // once the voice gives up on it: nothing of it outlives the attempt.
    void aStartedServiceThatNeverListensIsStopped() {
        QTemporaryDir dir;
        const QString path = dir.filePath("s.sock");
        const QString script = dir.filePath("never-listens");
        QFile file(script);
        QVERIFY(file.open(QIODevice::WriteOnly));
        // Called with --spawn --communication-method unix_socket --socket-path PATH.
        file.write("#!/bin/sh\nsleep 600 &\necho $! > \"$5.pid\"\n");
        file.close();
        QVERIFY(file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        ScopedEnv env("SPEECHD_ADDRESS", "unix_socket:" + path.toLocal8Bit());
        SpeechDispatcherVoice voice(FastOptions(true, script));
        QSignalSpy failed(&voice, &Voice::Failed);
        voice.Speak(QStringLiteral("never heard"));
        QVERIFY(failed.wait(5000));
        QFile pidFile(path + ".pid");
        QVERIFY(pidFile.open(QIODevice::ReadOnly));
        const QByteArray pid = pidFile.readAll().trimmed();
        // Gone, or a zombie its new parent has yet to reap.
        auto alive = [&pid] {
            QFile stat("/proc/" + pid + "/stat");
            return stat.open(QIODevice::ReadOnly) && !stat.readAll().contains(") Z ");
        };
        QTRY_VERIFY_WITH_TIMEOUT(!alive(), 5000);
    }

    // After a lost service, the next phrase reaches a working one.
    void reconnectsAfterALostService() {
        QTemporaryDir dir;
        const QString path = dir.filePath("s.sock");
        ScopedEnv env("SPEECHD_ADDRESS", "unix_socket:" + path.toLocal8Bit());
        SpeechDispatcherVoice voice(FastOptions());
        QSignalSpy words(&voice, &Voice::Word);
        QSignalSpy failed(&voice, &Voice::Failed);
        {
            FakeSpeechService broken(path, Behaviour::Garbage);
            voice.Speak(QStringLiteral("lost"));
            QTRY_COMPARE(failed.size(), 1);
        }
        FakeSpeechService working(path, Behaviour::Speaks);
        voice.Speak(QStringLiteral("back again"));
        QTRY_COMPARE(words.size(), 2);
        QCOMPARE(failed.size(), 1);
    }

    void destroyingAVoiceMidConversationIsSafe_data() {
        QTest::addColumn<Behaviour>("behaviour");
        QTest::newRow("speaking") << Behaviour::Speaks;
        QTest::newRow("hung service") << Behaviour::Silent;
    }
    void destroyingAVoiceMidConversationIsSafe() {
        QFETCH(Behaviour, behaviour);
        ServiceInUse service(behaviour);
        auto voice = std::make_unique<SpeechDispatcherVoice>(FastOptions());
        voice->Speak(QStringLiteral("a b c"));
        QCoreApplication::processEvents();
        QElapsedTimer clock;
        clock.start();
        voice.reset();
        QVERIFY(clock.elapsed() < kWaitedForTheServiceMs);
        // A reply, timer or posted call that outlived the voice would run by then (ASan sees it).
        QVERIFY(WaitOutAReplyDeadline());
    }
};

QTEST_MAIN(SpeechDispatcherVoiceTest)
#include "SpeechDispatcherVoiceTest.moc"
