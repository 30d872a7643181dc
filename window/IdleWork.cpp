// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/IdleWork.h"

#include <pthread.h>
#include <sched.h>

#include <mutex>
#include <utility>

namespace ferrolin {

struct IdleWork::State {
    std::function<void()> work;
    std::mutex mutex;
    bool begun = false;
    bool done = false;      // by the thread
    bool finished = false;  // Finish has made sure of the work
};

IdleWork::IdleWork(std::function<void()> work) : state_(std::make_shared<State>()) {
    state_->work = std::move(work);
}

IdleWork::~IdleWork() {
    const std::lock_guard<std::mutex> lock(state_->mutex);
    if (!thread_.joinable()) return;
    if (state_->done)
        thread_.join();
    else
        thread_.detach();
}

void IdleWork::Begin() {
    const std::lock_guard<std::mutex> lock(state_->mutex);
    if (state_->begun) return;
    state_->begun = true;
    thread_ = std::thread([state = state_] {
        const sched_param none{};
        pthread_setschedparam(pthread_self(), SCHED_IDLE, &none);
        state->work();
        const std::lock_guard<std::mutex> lock(state->mutex);
        state->done = true;
    });
}

bool IdleWork::Done() const {
    const std::lock_guard<std::mutex> lock(state_->mutex);
    return state_->done;
}

void IdleWork::Finish() {
    const std::lock_guard<std::mutex> lock(state_->mutex);
    if (!state_->begun || state_->finished) return;
    state_->finished = true;
    if (state_->done)
        thread_.join();
    else
        state_->work();
}

}  // namespace ferrolin
