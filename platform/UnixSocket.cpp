// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/UnixSocket.h"

#include <QFile>
#include <QMetaObject>
#include <QSocketNotifier>

#include <cerrno>
#include <cstring>
#include <utility>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace ferrolin {

namespace {

QString SystemText(int code) { return QString::fromLocal8Bit(std::strerror(code)); }

UnixSocket::Error ConnectError(int code) {
    switch (code) {
    case ENOENT: return UnixSocket::Error::NotFound;
    case ECONNREFUSED: return UnixSocket::Error::Refused;
    case EACCES:
    case EPERM: return UnixSocket::Error::AccessDenied;
    default: return UnixSocket::Error::Other;
    }
}

// The other end closed: before reading what was sent (a reset), or while it was being sent.
bool PeerGone(int code) { return code == EPIPE || code == ECONNRESET; }

}  // namespace

UnixSocket::UnixSocket(QObject* parent) : QObject(parent) {}

UnixSocket::~UnixSocket() { Abort(); }

void UnixSocket::ConnectTo(const QString& path) {
    Abort();
    error_ = Error::None;
    errorString_.clear();
    const QByteArray name = QFile::encodeName(path);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (name.isEmpty() || name.size() >= qsizetype(sizeof address.sun_path)) {
        Fail(Error::Other, QStringLiteral("The socket's path is empty or too long"));
        return;
    }
    std::memcpy(address.sun_path, name.constData(), size_t(name.size()));
    fd_ = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd_ < 0) {
        Fail(Error::Other, SystemText(errno));
        return;
    }
    // A unix socket connects at once or fails at once; only a full queue of waiting
    // connections (EAGAIN) would have us wait, and then the service is too busy to count on.
    if (::connect(fd_, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        const int code = errno;
        Fail(ConnectError(code), SystemText(code));
        return;
    }
    readNotifier_ = new QSocketNotifier(fd_, QSocketNotifier::Read, this);
    connect(readNotifier_, &QSocketNotifier::activated, this, &UnixSocket::OnReadable);
    writeNotifier_ = new QSocketNotifier(fd_, QSocketNotifier::Write, this);
    writeNotifier_->setEnabled(false);
    connect(writeNotifier_, &QSocketNotifier::activated, this, &UnixSocket::OnWritable);
    connected_ = true;
    const quint64 attempt = attempt_;
    QMetaObject::invokeMethod(
        this, [this, attempt] { if (attempt_ == attempt && connected_) emit Connected(); }, Qt::QueuedConnection);
}

void UnixSocket::Write(const QByteArray& bytes) {
    if (!connected_) return;
    toSend_ += bytes;
    SendWhatFits();
}

void UnixSocket::SendWhatFits() {
    while (connected_ && !toSend_.isEmpty()) {
        const ssize_t sent = ::send(fd_, toSend_.constData(), size_t(toSend_.size()), MSG_NOSIGNAL);
        if (sent > 0) {
            toSend_.remove(0, sent);
            continue;
        }
        if (sent < 0 && errno == EINTR) continue;
        if (sent < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) break;
        const int code = errno;
        Fail(PeerGone(code) ? Error::PeerClosed : Error::Other, SystemText(code));
        return;
    }
    if (writeNotifier_) writeNotifier_->setEnabled(connected_ && !toSend_.isEmpty());
}

QByteArray UnixSocket::ReadAll() { return std::exchange(received_, {}); }

void UnixSocket::Abort() {
    ++attempt_;  // nothing queued for the connection before is delivered any more
    delete readNotifier_;
    delete writeNotifier_;
    readNotifier_ = writeNotifier_ = nullptr;
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    connected_ = false;
    toSend_.clear();
}

void UnixSocket::Fail(Error error, const QString& text) {
    Abort();
    error_ = error;
    errorString_ = text;
    // From the event loop, never from inside the call that found it.
    const quint64 attempt = attempt_;
    QMetaObject::invokeMethod(this, [this, attempt] { if (attempt_ == attempt) emit Failed(); }, Qt::QueuedConnection);
}

void UnixSocket::OnReadable() {
    char chunk[16 * 1024];
    while (connected_) {
        const ssize_t got = ::recv(fd_, chunk, sizeof chunk, 0);
        if (got > 0) {
            received_.append(chunk, got);
            continue;
        }
        if (got < 0 && errno == EINTR) continue;
        if (got < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) break;
        const int code = got == 0 ? 0 : errno;
        if (!received_.isEmpty()) {
            emit ReadyRead();  // what came before the end is still read
            if (!connected_) return;
        }
        Fail(got == 0 || PeerGone(code) ? Error::PeerClosed : Error::Other,
             got == 0 ? QStringLiteral("The peer closed the connection") : SystemText(code));
        return;
    }
    if (!received_.isEmpty()) emit ReadyRead();
}

void UnixSocket::OnWritable() { SendWhatFits(); }

}  // namespace ferrolin
