// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/fakes/service/FakeSpeechService.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QRegularExpression>

#include <algorithm>

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
            const QByteArray reply = "225-" + id + "\r\n225 OK MESSAGE QUEUED\r\n";
            if (!reportFirst_) client.socket->write(reply);
            static const QRegularExpression mark(QStringLiteral("<mark name=\"([^\"]*)\"/>"));
            // Events name the message and the client (always 1 here); a mark's name comes before its text.
            const auto event = [&](const QByteArray& code, const QByteArray& text, const QByteArray& markName = {}) {
                const QByteArray more = markName.isEmpty() ? QByteArray() : code + "-" + markName + "\r\n";
                client.socket->write(code + "-" + id + "\r\n" + code + "-1\r\n" + more + code + " " + text + "\r\n");
            };
            event("701", "BEGIN");
            int marks = 0;
            for (const auto& match : mark.globalMatch(QString::fromUtf8(data))) {
                if (marks == holdAfterMarks_) break;
                ++marks;
                event("700", "INDEX MARK", match.captured(1).toUtf8());
            }
            if (marks == holdAfterMarks_) held_.append({client.socket, id});
            else event("702", "END");
            if (reportFirst_) client.socket->write(reply);
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
        for (qsizetype i = held_.size() - 1; i >= 0; --i) {
            if (held_[i].first != client.socket) continue;
            client.socket->write("703-" + held_[i].second + "\r\n703-1\r\n703 CANCELED\r\n");
            held_.removeAt(i);
        }
    } else if (line == "QUIT") {
        client.socket->write("231 HAPPY HACKING\r\n");
    } else {
        client.socket->write("2" + QByteArray::number(10 + int(commands_.size() % 80)) + " OK\r\n");
    }
}

void FakeSpeechService::CancelHeldPhrases() {
    holdAfterMarks_ = -1;
    for (const auto& [socket, id] : std::as_const(held_)) {
        const bool open = std::any_of(clients_.begin(), clients_.end(), [socket](Client* c) { return c->socket == socket; });
        if (open) socket->write("703-" + id + "\r\n703-1\r\n703 CANCELED\r\n");
    }
    held_.clear();
}

}  // namespace ferrolin
