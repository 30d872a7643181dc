// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Sets an environment variable for the life of a test and restores it however the test leaves.
#include <QByteArray>
#include <QtGlobal>
#include <optional>

namespace ferrolin {

class ScopedEnv {
public:
    ScopedEnv(const char* name, const QByteArray& value) : name_(name) {
        if (qEnvironmentVariableIsSet(name)) old_ = qgetenv(name);
        qputenv(name, value);
    }
    ~ScopedEnv() {
        if (old_) qputenv(name_, *old_);
        else qunsetenv(name_);
    }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    const char* name_;
    std::optional<QByteArray> old_;
};

}  // namespace ferrolin
