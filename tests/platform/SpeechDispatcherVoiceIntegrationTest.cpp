// SPDX-License-Identifier: GPL-3.0-or-later
// The real voice against a private speech-dispatcher (scripts/test-env/speechd.sh gives its
// address in SPEECHD_ADDRESS).
#include "platform/SpeechDispatcherVoice.h"
#include "platform/SpeechMarkup.h"
#include "platform/ScopedEnv.h"

#include <QFileInfo>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <functional>
#include <memory>
#include <optional>

using namespace ferrolin;

namespace {

constexpr int kSpeechTimeoutMs = 20000;

struct HeardWord {
    int position;
    int length;
    bool operator==(const HeardWord&) const = default;
};

// Everything a voice reports, in arrival order.
class Listener {
public:
    explicit Listener(Voice& voice) {
        QObject::connect(&voice, &Voice::Word, &voice, [this](int position, int length) {
            heard.append({position, length});
            if (onWord) onWord();
        });
    }
    QList<HeardWord> heard;
    std::function<void()> onWord;
};

QList<HeardWord> Expected(const QString& text) {
    QList<HeardWord> out;
    for (const SpokenWord& word : WordsOf(text)) out.append({word.position, word.length});
    return out;
}

QString ManyWords(int count) {
    QStringList words;
    for (int i = 0; i < count; ++i) words.append(QStringLiteral("word%1").arg(i));
    return words.join(u' ');
}

// A unix socket that only listens, to see whether anybody knocks.
class ListeningSocket {
public:
    explicit ListeningSocket(const QString& path) {
        fd_ = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const QByteArray bytes = path.toLocal8Bit();
        qstrncpy(address.sun_path, bytes.constData(), sizeof address.sun_path);
        ok_ = fd_ >= 0 && ::bind(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
              ::listen(fd_, 4) == 0;
    }
    ~ListeningSocket() {
        if (fd_ >= 0) ::close(fd_);
    }
    bool ok() const { return ok_; }
    bool someoneConnected() {
        const int client = ::accept(fd_, nullptr, nullptr);
        if (client < 0) return false;
        ::close(client);
        return true;
    }

private:
    int fd_ = -1;
    bool ok_ = false;
};

bool ServicesRequired() { return qgetenv("FERROLIN_REQUIRE_SERVICES") == "1"; }

}  // namespace

class SpeechDispatcherVoiceIntegrationTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        if (qEnvironmentVariableIsEmpty("SPEECHD_ADDRESS")) {
            if (ServicesRequired()) QFAIL("SPEECHD_ADDRESS is not set: the speech service did not start");
            QSKIP("No private speech-dispatcher (SPEECHD_ADDRESS unset); run through scripts/run-tests");
        }
    }

    void constructionTouchesNoSocket() {
        QTemporaryDir dir;
        const QString path = dir.filePath("knock.sock");
        ListeningSocket socket(path);
        QVERIFY(socket.ok());
        ScopedEnv address("SPEECHD_ADDRESS", "unix_socket:" + path.toLocal8Bit());
        {
            SpeechDispatcherVoice voice;
            QCoreApplication::processEvents();
            QVERIFY(!voice.isConnected());
        }
        QVERIFY(!socket.someoneConnected());
    }

    void unreachableServiceGivesReadableErrorEveryTime() {
        QTemporaryDir dir;
        ScopedEnv address("SPEECHD_ADDRESS", "unix_socket:" + dir.filePath("missing.sock").toLocal8Bit());
        SpeechDispatcherVoice voice(SpeechDispatcherVoice::Options{.autospawn = false});
        QSignalSpy failed(&voice, &Voice::Failed);
        for (int attempt = 1; attempt <= 2; ++attempt) {
            voice.Speak(QStringLiteral(" Evaluate "));
            QTRY_COMPARE(failed.size(), attempt);
            const QString message = failed.last().first().toString();
            QVERIFY2(message.contains(QLatin1String("connect"), Qt::CaseInsensitive), qPrintable(message));
            QVERIFY2(message.contains(QLatin1String("missing.sock")), qPrintable(message));
            QVERIFY(!voice.isConnected());
        }
    }

    void emptyTextSpeaksNothingAndConnectsNothing() {
        SpeechDispatcherVoice voice;
        voice.Speak(QString());
        QVERIFY(!voice.isConnected());
    }

    void wordsArriveWithExactPositions_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("phrase") << QStringLiteral(" Result = 5.00 ");
        QTest::newRow("lines and non-ASCII")
            << QStringLiteral("Erste Zeile\r\nzweite Größe ÷ 3\nnaïve café\r\n\r\n  x\U0001F600y done");
        QTest::newRow("markup characters") << QStringLiteral("a<b & \"c\" 'd' <mark name=\"x\"/>");
    }
    void wordsArriveWithExactPositions() {
        QFETCH(QString, text);
        SpeechDispatcherVoice voice;
        Listener listener(voice);
        voice.Speak(text);
        const QList<HeardWord> expected = Expected(text);
        QTRY_COMPARE_WITH_TIMEOUT(listener.heard.size(), expected.size(), kSpeechTimeoutMs);
        QCOMPARE(listener.heard, expected);
    }

    // An independent check of the positions: the words as a reader would pick them out.
    void wordsSelectTheRightText() {
        const QString text = QStringLiteral("Zeile eins\r\nzwei: größer\nπ≈3 \U0001F600\r\nend");
        const QStringList words{"Zeile", "eins", "zwei:", "größer", "π≈3", "\U0001F600", "end"};
        SpeechDispatcherVoice voice;
        Listener listener(voice);
        voice.Speak(text);
        QTRY_COMPARE_WITH_TIMEOUT(listener.heard.size(), words.size(), kSpeechTimeoutMs);
        QStringList selected;
        for (const HeardWord& word : listener.heard) selected.append(text.mid(word.position, word.length));
        QCOMPARE(selected, words);
    }

    void phrasesQueueInOrder() {
        const QStringList phrases{QStringLiteral("alpha beta gamma"), QStringLiteral("delta epsilon"),
                                  QStringLiteral("zeta eta theta iota")};
        SpeechDispatcherVoice voice;
        Listener listener(voice);
        QList<HeardWord> expected;
        for (const QString& phrase : phrases) {
            voice.Speak(phrase);
            expected += Expected(phrase);
        }
        QTRY_COMPARE_WITH_TIMEOUT(listener.heard.size(), expected.size(), kSpeechTimeoutMs);
        QCOMPARE(listener.heard, expected);
    }

    // Purging from inside the Word handler leaves marks of the purged phrase already posted:
    // none of them may come through, and the voice must speak again afterwards.
    void purgeStopsEverythingAndSpeechGoesOn() {
        SpeechDispatcherVoice voice;
        Listener listener(voice);
        QSignalSpy failed(&voice, &Voice::Failed);
        listener.onWord = [&] {
            if (listener.heard.size() == 1) voice.Purge();
        };
        voice.Speak(ManyWords(2000));
        voice.Speak(QStringLiteral("queued behind and purged too"));
        QTRY_VERIFY_WITH_TIMEOUT(!listener.heard.isEmpty(), kSpeechTimeoutMs);
        QCOMPARE(failed.size(), 0);

        // The next phrase's words come after anything the purged phrases left on the way: once
        // its last word is heard, the first word must be the only one heard of the purged ones.
        listener.onWord = nullptr;
        const QString after = QStringLiteral("after the purge");
        voice.Speak(after);
        const QList<HeardWord> afterWords = Expected(after);
        QTRY_VERIFY_WITH_TIMEOUT(listener.heard.size() > 1 && listener.heard.last() == afterWords.last(), kSpeechTimeoutMs);
        QCOMPARE(listener.heard, QList<HeardWord>{Expected(ManyWords(1)).first()} + afterWords);
    }

    // Nothing to stop: the service is not even reached.
    void purgeOfASilentVoiceIsHarmless() {
        SpeechDispatcherVoice voice;
        QSignalSpy failed(&voice, &Voice::Failed);
        voice.Purge();
        voice.Purge();
        // A connection set going by the purges would be made while another voice's phrase goes
        // through the service and back.
        SpeechDispatcherVoice other;
        Listener otherListener(other);
        other.Speak(QStringLiteral("heard"));
        QTRY_COMPARE_WITH_TIMEOUT(otherListener.heard.size(), 1, kSpeechTimeoutMs);
        QVERIFY(!voice.isConnected());
        QCOMPARE(failed.size(), 0);
    }

    // Two voices share the service (the main window's and the Guide's): each hears only its own.
    void voicesHearOnlyTheirOwnWords() {
        SpeechDispatcherVoice first;
        SpeechDispatcherVoice second;
        Listener firstListener(first);
        Listener secondListener(second);
        const QString one = QStringLiteral("one two three four");
        const QString other = QStringLiteral("x y");
        first.Speak(one);
        second.Speak(other);
        // Each voice then says a last phrase: once that is heard, a word the other voice misrouted
        // would have arrived before it.
        const QString last = QStringLiteral("done");
        first.Speak(last);
        second.Speak(last);
        QTRY_COMPARE_WITH_TIMEOUT(firstListener.heard.size(), 5, kSpeechTimeoutMs);
        QTRY_COMPARE_WITH_TIMEOUT(secondListener.heard.size(), 3, kSpeechTimeoutMs);
        QCOMPARE(firstListener.heard, Expected(one) + Expected(last));
        QCOMPARE(secondListener.heard, Expected(other) + Expected(last));
    }

    void destroyingAVoiceWhileItSpeaksIsSafe() {
        auto voice = std::make_unique<SpeechDispatcherVoice>();
        Listener listener(*voice);
        voice->Speak(ManyWords(500));
        QTRY_VERIFY_WITH_TIMEOUT(!listener.heard.isEmpty(), kSpeechTimeoutMs);
        // Gone with marks of the long phrase still on their way. A next voice's phrase takes many
        // turns of the event loop: anything left over for the dead one would run meanwhile.
        voice.reset();

        SpeechDispatcherVoice next;
        Listener nextListener(next);
        next.Speak(QStringLiteral("still here"));
        QTRY_COMPARE_WITH_TIMEOUT(nextListener.heard.size(), 2, kSpeechTimeoutMs);
    }

    // The service dies under a connected voice: the next call reports it (and must not kill us
    // with SIGPIPE); once a service is back, the voice connects again by itself.
    void serviceThatDiesIsReportedThenReconnected() {
        const QString script = qEnvironmentVariable("FERROLIN_SOURCE_DIR") + "/scripts/test-env/speechd.sh";
        if (!QFileInfo::exists(script)) QSKIP("FERROLIN_SOURCE_DIR does not lead to speechd.sh");
        QTemporaryDir state;
        auto run = [&](const char* action) {
            QProcess process;
            process.start(script, {QString::fromLatin1(action), state.path()});
            process.waitForFinished(30000);
            return process.exitCode() == 0 ? QString::fromUtf8(process.readAllStandardOutput()).trimmed()
                                           : QString();
        };
        const QString line = run("start");
        QVERIFY2(line.startsWith("SPEECHD_ADDRESS="), "the test's own speech-dispatcher did not start");
        ScopedEnv address("SPEECHD_ADDRESS", line.mid(int(strlen("SPEECHD_ADDRESS="))).toLocal8Bit());

        SpeechDispatcherVoice voice(SpeechDispatcherVoice::Options{.autospawn = false});
        Listener listener(voice);
        voice.Speak(QStringLiteral("before"));
        QTRY_COMPARE_WITH_TIMEOUT(listener.heard.size(), 1, kSpeechTimeoutMs);

        QSignalSpy failed(&voice, &Voice::Failed);
        run("stop");
        QTRY_COMPARE(failed.size(), 1);  // the closed socket is noticed without another phrase
        QVERIFY2(failed.first().first().toString().contains(QLatin1String("speech service")),
                 qPrintable(failed.first().first().toString()));
        QVERIFY(!voice.isConnected());
        voice.Speak(QStringLiteral("into the void"));
        QTRY_COMPARE(failed.size(), 2);

        QVERIFY(run("start").startsWith("SPEECHD_ADDRESS="));
        listener.heard.clear();
        voice.Speak(QStringLiteral("back again"));
        QTRY_COMPARE_WITH_TIMEOUT(listener.heard.size(), 2, kSpeechTimeoutMs);
        run("stop");
    }
};

QTEST_MAIN(SpeechDispatcherVoiceIntegrationTest)
#include "SpeechDispatcherVoiceIntegrationTest.moc"
