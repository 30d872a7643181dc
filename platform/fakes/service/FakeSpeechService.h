// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A stand-in for speech-dispatcher on a unix socket, for tests of the real voice: it can speak
// the protocol (answering every command and reporting each SSML mark of a phrase as an index mark
// event) or misbehave in the ways a broken service does.
//
//   FakeSpeechService service(dir.filePath("speechd.sock"), FakeSpeechService::Behaviour::Speaks);
//   qputenv("SPEECHD_ADDRESS", service.address());
//   ... service.commands() lists every command line received, service.phrases() every SPEAK's data.
#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>

class QLocalServer;
class QLocalSocket;

namespace ferrolin {

class FakeSpeechService : public QObject {
    Q_OBJECT
public:
    enum class Behaviour {
        Speaks,          // answers like speech-dispatcher, reports every mark, then the end
        Silent,          // accepts and never answers
        Garbage,         // answers every command with text that is not the protocol
        ClosesAtOnce,    // accepts and closes the connection straight away
        ClosesMidReply,  // sends the first line of a reply, then closes
        Refuses,         // answers every command with an error code
        EndlessReply,    // answers the first command with a reply whose lines never end
    };

    FakeSpeechService(const QString& socketPath, Behaviour behaviour, QObject* parent = nullptr);
    ~FakeSpeechService() override;

    bool listening() const;
    QByteArray address() const { return "unix_socket:" + path_.toLocal8Bit(); }
    int connections() const { return connections_; }
    // Command lines (without CR LF) and the unescaped data of each SPEAK, in arrival order.
    const QList<QByteArray>& commands() const { return commands_; }
    const QList<QByteArray>& phrases() const { return phrases_; }
    // The voices LIST SYNTHESIS_VOICES answers, as "name\tlanguage\tvariant" lines.
    void SetVoices(QList<QByteArray> voices) { voices_ = std::move(voices); }

    // Another program's speech, as the service plays it: from now on each phrase reports only its
    // first `marks` marks and then waits, neither ended nor cancelled ...
    void HoldPhrasesAfter(int marks) { holdAfterMarks_ = marks; }
    // ... until the other program speaks: the waiting phrases are cancelled. Phrases after this
    // call play to their end again.
    void CancelHeldPhrases();
    // The events of each phrase go out before the reply that names its message, as the service's
    // threads sometimes send them.
    void ReportBeforeReplying() { reportFirst_ = true; }

private:
    struct Client;
    void OnConnection();
    void OnBytes(Client& client);
    void Answer(Client& client, const QByteArray& line);

    QString path_;
    Behaviour behaviour_;
    QLocalServer* server_;
    QList<Client*> clients_;
    int connections_ = 0;
    QList<QByteArray> commands_;
    QList<QByteArray> phrases_;
    QList<QByteArray> voices_{"English (America)\ten-US\tnone", "German\tde\tnone", "German+Max\tde\tMax",
                              "Chinese (Mandarin, latin as English)\tcmn\tnone"};
    int holdAfterMarks_ = -1;  // none held
    bool reportFirst_ = false;
    QList<QPair<QLocalSocket*, QByteArray>> held_;  // message ids waiting for CancelHeldPhrases
};

}  // namespace ferrolin
