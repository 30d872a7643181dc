// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where speech-dispatcher listens, found the way its own client library finds it, so that this
// program and the desktop's other speech clients (a screen reader) reach the same service:
// SPEECHD_ADDRESS if set ("unix_socket:PATH", or "unix_socket" alone for the default), else
// speech-dispatcher/speechd.sock in the user's runtime folder (XDG_RUNTIME_DIR, else the cache
// folder: XDG_CACHE_HOME, else ~/.cache).
#include <QString>
#include <functional>
#include <variant>

namespace ferrolin {

struct SpeechSocketPath {
    QString path;
};
struct SpeechAddressError {
    QString message;
};
using SpeechAddress = std::variant<SpeechSocketPath, SpeechAddressError>;

// `environment` returns a variable's value, or a null QString when it is not set.
SpeechAddress ResolveSpeechAddress(const std::function<QString(const char*)>& environment);
// The same from the process's own environment.
SpeechAddress ResolveSpeechAddress();

}  // namespace ferrolin
