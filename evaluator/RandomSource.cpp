// SPDX-License-Identifier: GPL-3.0-or-later
#include "evaluator/RandomSource.h"

namespace ferrolin::detail {

std::uint64_t RandomSource::Draw(std::uint64_t high) {
    std::uniform_int_distribution<std::uint64_t> uniform(1, high);
    std::lock_guard lock(mutex_);
    return uniform(generator_);
}

RandomSource& RandomSource::Shared() {
    static RandomSource source{[] {
        std::random_device device;
        std::seed_seq seed{device(), device(), device(), device()};
        return std::mt19937_64(seed);
    }()};
    return source;
}

}  // namespace ferrolin::detail
