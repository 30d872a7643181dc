// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Turning a phrase into SSML for speech-dispatcher, with an index mark before every word so that
// the service tells us which word it has reached. Positions and lengths are in UTF-16 units of the
// original QString, so a caller can select exactly text.mid(position, length).
#include <QList>
#include <QString>
#include <cstdint>
#include <optional>

namespace ferrolin {

struct SpokenWord {
    int position = 0;
    int length = 0;
    bool operator==(const SpokenWord&) const = default;
};

// The words of `text`: maximal runs of non-whitespace, in order.
QList<SpokenWord> WordsOf(const QString& text);

// What an index mark stands for: a word of one phrase.
struct WordMark {
    std::uint64_t phrase = 0;
    SpokenWord word;
    bool operator==(const WordMark&) const = default;
};

// The mark's name: plain ASCII digits and separators, so no engine has a reason to alter it.
QString EncodeMarkName(const WordMark& mark);
// Nothing for a name that is not one of ours (the service sends marks of its own).
std::optional<WordMark> DecodeMarkName(const QString& name);

// `text` with XML's special characters escaped and characters XML cannot carry replaced by spaces.
QString EscapeForXml(const QString& text);

// The whole phrase as an SSML document, a mark before each word, whitespace kept as it was.
QString BuildSsml(std::uint64_t phrase, const QString& text);

}  // namespace ferrolin
