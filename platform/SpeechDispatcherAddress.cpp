// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SpeechDispatcherAddress.h"

#include <QCoreApplication>
#include <QDir>
#include <QStringList>

namespace ferrolin {

namespace {

QString RuntimeFolder(const std::function<QString(const char*)>& environment) {
    if (const QString runtime = environment("XDG_RUNTIME_DIR"); !runtime.isEmpty()) return runtime;
    if (const QString cache = environment("XDG_CACHE_HOME"); !cache.isEmpty() && QDir::isAbsolutePath(cache))
        return cache;
    QString home = environment("HOME");
    if (home.isEmpty()) home = QDir::homePath();
    return home + QStringLiteral("/.cache");
}

QString DefaultSocket(const std::function<QString(const char*)>& environment) {
    return RuntimeFolder(environment) + QStringLiteral("/speech-dispatcher/speechd.sock");
}

}  // namespace

SpeechAddress ResolveSpeechAddress(const std::function<QString(const char*)>& environment) {
    const QString address = environment("SPEECHD_ADDRESS");
    if (address.isNull()) return SpeechSocketPath{DefaultSocket(environment)};
    // Split at every colon, as the library does: the path is the second field only.
    const QStringList fields = address.split(u':');
    if (address.isEmpty() || fields[0] == QLatin1String("unix_socket")) {
        if (fields.size() < 2) return SpeechSocketPath{DefaultSocket(environment)};
        return SpeechSocketPath{fields[1]};
    }
    if (fields[0] == QLatin1String("inet_socket"))
        return SpeechAddressError{QCoreApplication::translate("SpeechFailures", "The speech service address \"%1\" is a network address; "
                                                 "this program speaks only through a unix socket")
                                      .arg(address)};
    return SpeechAddressError{
        QCoreApplication::translate("SpeechFailures", "Unknown or unsupported communication method in SPEECHD_ADDRESS \"%1\"").arg(address)};
}

SpeechAddress ResolveSpeechAddress() {
    return ResolveSpeechAddress([](const char* name) {
        return qEnvironmentVariableIsSet(name) ? qEnvironmentVariable(name) : QString();
    });
}

}  // namespace ferrolin
