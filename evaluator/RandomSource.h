// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where random() draws from. The program draws from one source seeded from the system's entropy;
// a source with a fixed seed draws the same numbers in the same order every time.
#include <cstdint>
#include <mutex>
#include <random>

namespace ferrolin::detail {

class RandomSource {
public:
    explicit RandomSource(std::uint64_t seed) : generator_(seed) {}
    RandomSource(const RandomSource&) = delete;
    RandomSource& operator=(const RandomSource&) = delete;

    // A whole number from 1 to `high` (at least 1), every value equally likely.
    std::uint64_t Draw(std::uint64_t high);

    // The program's source, shared by every evaluator and thread: seeded once, from the system's
    // entropy, when first used.
    static RandomSource& Shared();

private:
    explicit RandomSource(const std::mt19937_64& generator) : generator_(generator) {}

    std::mutex mutex_;
    std::mt19937_64 generator_;
};

}  // namespace ferrolin::detail
