// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/fakes/service/FakeSpeechService.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QRegularExpression>

namespace ferrolin {

struct FakeSpeechService::Client {
    QLocalSocket* socket = nullptr;
    QByteArray buffer;
    bool inData = false;
    int nextMessage = 1;
};

FakeSpeechService::FakeSpeechService(const QString& socketPath, Behaviour behaviour, QObject* parent)
    : QObject(parent), path_(socketPath), behaviour_(behaviour), server_(new QLocalServer(this)) {
    QLocalServer::removeServer(path_);
    server_->listen(path_);
    connect(server_, &QLocalServer::newConnection, this, &FakeSpeechService::OnConnection);
}

FakeSpeechService::~FakeSpeechService() {
    for (Client* client : clients_) delete client;
}

bool FakeSpeechService::listening() const { return server_->isListening(); }

void FakeSpeechService::OnConnection() {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        ++connections_;
        if (behaviour_ == Behaviour::ClosesAtOnce) {
            socket->abort();
            socket->deleteLater();
            continue;
        }
        auto* client = new Client;
        client->socket = socket;
        clients_.append(client);
        connect(socket, &QLocalSocket::readyRead, this, [this, client] { OnBytes(*client); });
    }
}

void FakeSpeechService::OnBytes(Client& client) {
    client.buffer += client.socket->readAll();
    for (;;) {
        if (client.inData) {
            const qsizetype end = client.buffer.indexOf("\r\n.\r\n");
            if (end < 0) return;
            QByteArray data = client.buffer.left(end);
            client.buffer.remove(0, end + 5);
            client.inData = false;
            data.replace("\r\n..", "\r\n.");
            if (data.startsWith("..")) data.remove(0, 1);
            phrases_.append(data);
            const QByteArray id = QByteArray::number(client.nextMessage++);
            client.socket->write("225-" + id + "\r\n225 OK MESSAGE QUEUED\r\n");
            static const QRegularExpression mark(QStringLiteral("<mark name=\"([^\"]*)\"/>"));
            for (const auto& match : mark.globalMatch(QString::fromUtf8(data)))
                client.socket->write("700-" + id + "\r\n700-1\r\n700-" + match.captured(1).toUtf8() +
                                     "\r\n700 INDEX MARK\r\n");
            continue;
        }
        const qsizetype end = client.buffer.indexOf("\r\n");
        if (end < 0) return;
        const QByteArray line = client.buffer.left(end);
        client.buffer.remove(0, end + 2);
        commands_.append(line);
        Answer(client, line);
        if (!clients_.contains(&client)) return;
    }
}

void FakeSpeechService::Answer(Client& client, const QByteArray& line) {
    switch (behaviour_) {
    case Behaviour::Silent:
    case Behaviour::ClosesAtOnce:
        return;
    case Behaviour::Garbage:
        client.socket->write("HTTP/1.1 400 Bad Request\r\n\r\n");
        return;
    case Behaviour::Refuses:
        client.socket->write("510 ERR NOT A VALID COMMAND\r\n");
        return;
    case Behaviour::EndlessReply: {
        // More lines, each time the last ones are on their way, for as long as the client listens.
        QLocalSocket* socket = client.socket;
        auto more = [socket] { socket->write(QByteArray("208-more\r\n").repeated(1000)); };
        connect(socket, &QLocalSocket::bytesWritten, socket, more);
        more();
        return;
    }
    case Behaviour::ClosesMidReply:
        client.socket->write("208-OK");
        client.socket->flush();
        client.socket->disconnectFromServer();
        clients_.removeOne(&client);
        client.socket->deleteLater();
        delete &client;
        return;
    case Behaviour::Speaks:
        break;
    }
    if (line == "SPEAK") {
        client.inData = true;
        client.socket->write("230 OK RECEIVING DATA\r\n");
    } else if (line == "LIST SYNTHESIS_VOICES") {
        for (const QByteArray& voice : voices_) client.socket->write("249-" + voice + "\r\n");
        client.socket->write("249 OK VOICE LIST SENT\r\n");
    } else if (line.startsWith("CANCEL")) {
        client.socket->write("210 OK CANCELED\r\n");
    } else if (line == "QUIT") {
        client.socket->write("231 HAPPY HACKING\r\n");
    } else {
        client.socket->write("2" + QByteArray::number(10 + int(commands_.size() % 80)) + " OK\r\n");
    }
}

}  // namespace ferrolin
