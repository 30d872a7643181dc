// SPDX-License-Identifier: GPL-3.0-or-later
// The ends of a UTF-8 text: what a locale's decimal point and the input box's last character
// are read as.
#include <gtest/gtest.h>

#include <optional>
#include <string_view>

#include "evaluator/Utf8.h"

namespace ferrolin::test {
namespace {

struct EndCase {
    std::string_view text;
    std::optional<char32_t> first, last;
};

TEST(Utf8, ReadsTheFirstAndLastCodePoint) {
    const EndCase cases[] = {
        {"", std::nullopt, std::nullopt},
        {",", U',', U','},
        {"\xD9\xAB", U'\u066B', U'\u066B'},              // Arabic decimal separator
        {"\xE2\x80\xAFx", U'\u202F', U'x'},              // narrow no-break space, then more
        {"a\xF0\x9F\x98\x80", U'a', U'\U0001F600'},
        {"\xC0\xAC", std::nullopt, std::nullopt},        // overlong ",": a lead byte never used
        {"\xE0\x80\xAC", std::nullopt, std::nullopt},    // overlong "," in three bytes
        {"\xED\xA0\x80", std::nullopt, std::nullopt},    // a surrogate
        {"\xE2\x80", std::nullopt, std::nullopt},        // cut short
        {"\x80,", std::nullopt, U','},                   // a trail byte first
    };
    for (const EndCase& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::string(c.text)));
        EXPECT_EQ(FirstCodePoint(c.text), c.first);
        EXPECT_EQ(LastCodePoint(c.text), c.last);
    }
}

}  // namespace
}  // namespace ferrolin::test
