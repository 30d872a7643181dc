// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The keypad's 24 keys, in order of rows and of tab stops (four to a row).
#include <span>

namespace ferrolin {

struct KeyDefinition {
    enum class Kind { Text, Clear, Recall, Evaluate };
    const char* objectName;
    const char* caption;         // what the key shows
    const char* inserts;         // what a text key puts into the input box
    const char* phrase;          // what spoken feedback says after the key's work
    const char* accessibleName;  // what the key does, for screen readers
    Kind kind;
};

std::span<const KeyDefinition> KeypadKeys();

inline constexpr int kKeypadColumns = 4;

// The property of each key button holding its place in KeypadKeys().
inline constexpr const char* kKeyIndexProperty = "ferrolinKeyIndex";

}  // namespace ferrolin
