// SPDX-License-Identifier: GPL-3.0-or-later
// The calculator with audio on while its speech-dispatcher (a private one, started here) is
// stopped, killed or loses its socket: the window keeps answering (no wait between two turns of
// its event loop over 250 ms), every evaluation lands in the history, the failure is shown once,
// and the program lives on.
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <optional>

#include "window/support/EventLoopPing.h"
#include "window/support/SpeakingWindow.h"

using namespace ferrolin;
using namespace ferrolin::testing;

namespace {

enum class Fault { StoppedThenKilled, Killed, SocketRemoved };

// A speech-dispatcher of this test's own (scripts/test-env/speechd.sh), to stop and kill at will.
class PrivateSpeechService {
public:
    PrivateSpeechService() {
        script_ = qEnvironmentVariable("FERROLIN_SOURCE_DIR") + QStringLiteral("/scripts/test-env/speechd.sh");
        const QString line = Run("start");
        if (line.startsWith(QLatin1String("SPEECHD_ADDRESS="))) address_ = line.mid(16).toLocal8Bit();
    }
    ~PrivateSpeechService() {
        if (const qint64 pid = Pid(); pid > 0) ::kill(pid_t(pid), SIGCONT);
        Run("stop");
    }
    QByteArray address() const { return address_; }
    QString socketPath() const { return state_.filePath(QStringLiteral("speechd/speechd.sock")); }
    qint64 Pid() const { return pid_ ? pid_ : (pid_ = ReadPid()); }

private:
    qint64 ReadPid() const {
        QFile file(state_.filePath(QStringLiteral("speechd/speechd.pid")));
        return file.open(QIODevice::ReadOnly) ? file.readAll().trimmed().toLongLong() : 0;
    }
    QString Run(const char* action) const {
        if (!QFileInfo::exists(script_)) return {};
        QProcess process;
        process.start(script_, {QString::fromLatin1(action), state_.path()});
        process.waitForFinished(30000);
        return process.exitCode() == 0 ? QString::fromUtf8(process.readAllStandardOutput()).trimmed() : QString();
    }

    QTemporaryDir state_;
    QString script_;
    QByteArray address_;
    mutable qint64 pid_ = 0;
};

}  // namespace

Q_DECLARE_METATYPE(Fault)

class SpeechFaultsIntegrationTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        if (qEnvironmentVariableIsEmpty("SPEECHD_ADDRESS")) {
            if (qgetenv("FERROLIN_REQUIRE_SERVICES") == "1") QFAIL("no private speech-dispatcher could be started");
            QSKIP("No speech-dispatcher for tests (SPEECHD_ADDRESS unset); run through scripts/run-tests");
        }
    }

    void windowKeepsAnsweringAndKeepsTheHistory_data() {
        QTest::addColumn<Fault>("fault");
        QTest::newRow("service stopped (SIGSTOP), then killed") << Fault::StoppedThenKilled;
        QTest::newRow("service killed") << Fault::Killed;
        QTest::newRow("socket removed") << Fault::SocketRemoved;
    }

    void windowKeepsAnsweringAndKeepsTheHistory() {
        QFETCH(Fault, fault);
        PrivateSpeechService service;
        QVERIFY2(!service.address().isEmpty(), "the test's own speech-dispatcher did not start");
        const QByteArray oldAddress = qgetenv("SPEECHD_ADDRESS");
        qputenv("SPEECHD_ADDRESS", service.address());
        auto restore = qScopeGuard([&] { qputenv("SPEECHD_ADDRESS", oldAddress); });
        SpeechDispatcherVoice::Options options;
        options.autospawn = false;  // a missing service must stay missing
        options.replyTimeoutMs = 1000;
        SpeakingWindow window(options);
        EventLoopPing ping;
        QStringList expected;

        if (fault == Fault::SocketRemoved) {
            QVERIFY(QFile::remove(service.socketPath()));
        } else {
            window.EvaluateWithEnter(QStringLiteral("1+1"));
            expected << QStringLiteral("1+1= 2.00");
            QTRY_VERIFY_WITH_TIMEOUT(window.voice->isConnected(), 10000);
            QVERIFY(service.Pid() > 0);
            ::kill(pid_t(service.Pid()), fault == Fault::Killed ? SIGKILL : SIGSTOP);
        }
        window.EvaluateWithEnter(QStringLiteral("2*3"));
        window.EvaluateWithKey(QStringLiteral("10/4"));
        expected << QStringLiteral("2*3= 6.00") << QStringLiteral("10/4= 2.50");
        QTRY_COMPARE_WITH_TIMEOUT(window.boxes.errors().size(), 1, 10000);

        if (fault == Fault::StoppedThenKilled) ::kill(pid_t(service.Pid()), SIGKILL);
        const qsizetype failuresBefore = window.failures->size();
        window.EvaluateWithEnter(QStringLiteral("7-8"));  // tries the service again
        expected << QStringLiteral("7-8= -1.00");
        QTRY_VERIFY_WITH_TIMEOUT(window.failures->size() > failuresBefore, 10000);

        QCOMPARE(window.History(), expected);
        QCOMPARE(window.boxes.errors().size(), 1);
        qInfo("longest wait of the event loop: %lld ms", ping.longestWaitMs());
        QVERIFY2(ping.longestWaitMs() <= EventLoopPing::kLongestAllowedMs, qPrintable(QString::number(ping.longestWaitMs())));
    }
};

QTEST_MAIN(SpeechFaultsIntegrationTest)
#include "SpeechFaultsIntegrationTest.moc"
