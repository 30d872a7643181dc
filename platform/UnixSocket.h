// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A client connection to a unix socket, driven by the event loop and never waiting. The speech
// client needs nothing more, and Qt's own local socket would bring Qt Network, and with it the
// Kerberos libraries, into every start of the program.
#include <QByteArray>
#include <QObject>
#include <QString>

class QSocketNotifier;

namespace ferrolin {

class UnixSocket : public QObject {
    Q_OBJECT
public:
    enum class Error {
        None,
        NotFound,      // no socket at that path
        Refused,       // a socket, but nobody accepts on it
        AccessDenied,
        PeerClosed,    // the other end closed the connection
        Other,         // errorString() says what
    };

    explicit UnixSocket(QObject* parent = nullptr);
    ~UnixSocket() override;

    // Starts connecting; Connected or Failed follows from the event loop, never from inside.
    void ConnectTo(const QString& path);
    bool IsConnected() const { return connected_; }
    // Queues `bytes` and sends what the socket takes now; the rest goes as it drains.
    void Write(const QByteArray& bytes);
    // Sends what the socket takes now of what is queued, without waiting for more room.
    void SendWhatFits();
    // Everything received and not yet taken.
    QByteArray ReadAll();
    // Closes at once; nothing more is signalled.
    void Abort();

    Error error() const { return error_; }
    QString errorString() const { return errorString_; }

signals:
    void Connected();
    void ReadyRead();
    // The connection could not be made or is gone: error() says why. Comes once a connection.
    void Failed();

private:
    void Fail(Error error, const QString& text);
    void OnReadable();
    void OnWritable();

    int fd_ = -1;
    quint64 attempt_ = 0;  // which connection a queued signal belongs to
    bool connected_ = false;
    QSocketNotifier* readNotifier_ = nullptr;
    QSocketNotifier* writeNotifier_ = nullptr;
    QByteArray received_;
    QByteArray toSend_;
    Error error_ = Error::None;
    QString errorString_;
};

}  // namespace ferrolin
