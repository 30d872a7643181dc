#include "platform/RtfControlWords.h"

#include <algorithm>
#include <array>
#include <utility>

namespace ferrolin {
namespace {

using Entry = std::pair<std::string_view, RtfWord>;

// Kept sorted by name for the binary search below.
constexpr auto kWords = std::to_array<Entry>({
    {"aftncn", RtfWord::HiddenDestination},
    {"aftnsep", RtfWord::HiddenDestination},
    {"aftnsepc", RtfWord::HiddenDestination},
    {"annotation", RtfWord::HiddenDestination},
    {"ansi", RtfWord::Ansi},
    {"ansicpg", RtfWord::AnsiCodePage},
    {"atnauthor", RtfWord::HiddenDestination},
    {"atnid", RtfWord::HiddenDestination},
    {"author", RtfWord::HiddenDestination},
    {"bin", RtfWord::Binary},
    {"bkmkend", RtfWord::HiddenDestination},
    {"bkmkstart", RtfWord::HiddenDestination},
    {"bullet", RtfWord::Bullet},
    {"cell", RtfWord::Cell},
    {"colortbl", RtfWord::HiddenDestination},
    {"comment", RtfWord::HiddenDestination},
    {"company", RtfWord::HiddenDestination},
    {"cpg", RtfWord::FontCodePage},
    {"datastore", RtfWord::HiddenDestination},
    {"deff", RtfWord::DefaultFont},
    {"doccomm", RtfWord::HiddenDestination},
    {"docvar", RtfWord::HiddenDestination},
    {"emdash", RtfWord::EmDash},
    {"emspace", RtfWord::EmSpace},
    {"endash", RtfWord::EnDash},
    {"enspace", RtfWord::EnSpace},
    {"f", RtfWord::Font},
    {"fcharset", RtfWord::FontCharset},
    {"filetbl", RtfWord::HiddenDestination},
    {"fldinst", RtfWord::HiddenDestination},
    {"fonttbl", RtfWord::FontTable},
    {"footer", RtfWord::HiddenDestination},
    {"footerf", RtfWord::HiddenDestination},
    {"footerl", RtfWord::HiddenDestination},
    {"footerr", RtfWord::HiddenDestination},
    {"footnote", RtfWord::HiddenDestination},
    {"ftncn", RtfWord::HiddenDestination},
    {"ftnsep", RtfWord::HiddenDestination},
    {"ftnsepc", RtfWord::HiddenDestination},
    {"generator", RtfWord::HiddenDestination},
    {"header", RtfWord::HiddenDestination},
    {"headerf", RtfWord::HiddenDestination},
    {"headerl", RtfWord::HiddenDestination},
    {"headerr", RtfWord::HiddenDestination},
    {"info", RtfWord::HiddenDestination},
    {"keywords", RtfWord::HiddenDestination},
    {"latentstyles", RtfWord::HiddenDestination},
    {"ldblquote", RtfWord::LeftDoubleQuote},
    {"line", RtfWord::Line},
    {"listoverridetable", RtfWord::HiddenDestination},
    {"listtable", RtfWord::HiddenDestination},
    {"listtext", RtfWord::HiddenDestination},
    {"lquote", RtfWord::LeftQuote},
    {"ltrmark", RtfWord::LeftToRightMark},
    {"mac", RtfWord::Mac},
    {"nonshppict", RtfWord::HiddenDestination},
    {"objdata", RtfWord::HiddenDestination},
    {"object", RtfWord::HiddenDestination},
    {"operator", RtfWord::HiddenDestination},
    {"par", RtfWord::Paragraph},
    {"pc", RtfWord::Pc},
    {"pca", RtfWord::Pca},
    {"pgdsctbl", RtfWord::HiddenDestination},
    {"pict", RtfWord::HiddenDestination},
    {"plain", RtfWord::Plain},
    {"pntext", RtfWord::HiddenDestination},
    {"pntxta", RtfWord::HiddenDestination},
    {"pntxtb", RtfWord::HiddenDestination},
    {"private", RtfWord::HiddenDestination},
    {"qmspace", RtfWord::QuarterEmSpace},
    {"rdblquote", RtfWord::RightDoubleQuote},
    {"revtbl", RtfWord::HiddenDestination},
    {"row", RtfWord::Row},
    {"rquote", RtfWord::RightQuote},
    {"rsidtbl", RtfWord::HiddenDestination},
    {"rtlmark", RtfWord::RightToLeftMark},
    {"sect", RtfWord::Section},
    {"shpinst", RtfWord::HiddenDestination},
    {"stylesheet", RtfWord::HiddenDestination},
    {"subject", RtfWord::HiddenDestination},
    {"tab", RtfWord::Tab},
    {"tc", RtfWord::HiddenDestination},
    {"template", RtfWord::HiddenDestination},
    {"themedata", RtfWord::HiddenDestination},
    {"title", RtfWord::HiddenDestination},
    {"txe", RtfWord::HiddenDestination},
    {"u", RtfWord::Unicode},
    {"uc", RtfWord::UnicodeSkip},
    {"ud", RtfWord::UnicodeDestination},
    {"upr", RtfWord::UnicodePair},
    {"userprops", RtfWord::HiddenDestination},
    {"wgrffmtfilter", RtfWord::HiddenDestination},
    {"xe", RtfWord::HiddenDestination},
    {"xmlnstbl", RtfWord::HiddenDestination},
    {"zwbo", RtfWord::ZeroWidthBreak},
    {"zwj", RtfWord::ZeroWidthJoiner},
    {"zwnbo", RtfWord::ZeroWidthNoBreak},
    {"zwnj", RtfWord::ZeroWidthNonJoiner},
});

static_assert(std::is_sorted(kWords.begin(), kWords.end(),
                             [](const Entry& a, const Entry& b) { return a.first < b.first; }));

}  // namespace

RtfWord LookUpRtfWord(std::string_view name) {
    const auto found = std::lower_bound(kWords.begin(), kWords.end(), name,
                                        [](const Entry& entry, std::string_view key) { return entry.first < key; });
    return found != kWords.end() && found->first == name ? found->second : RtfWord::Other;
}

char16_t RtfWordCharacter(RtfWord word) {
    switch (word) {
    case RtfWord::Tab:
    case RtfWord::Cell: return u'\t';
    case RtfWord::EmDash: return u'\u2014';
    case RtfWord::EnDash: return u'\u2013';
    case RtfWord::EmSpace: return u'\u2003';
    case RtfWord::EnSpace: return u'\u2002';
    case RtfWord::QuarterEmSpace: return u'\u2005';
    case RtfWord::Bullet: return u'\u2022';
    case RtfWord::LeftQuote: return u'\u2018';
    case RtfWord::RightQuote: return u'\u2019';
    case RtfWord::LeftDoubleQuote: return u'\u201C';
    case RtfWord::RightDoubleQuote: return u'\u201D';
    case RtfWord::ZeroWidthJoiner: return u'\u200D';
    case RtfWord::ZeroWidthNonJoiner: return u'\u200C';
    case RtfWord::LeftToRightMark: return u'\u200E';
    case RtfWord::RightToLeftMark: return u'\u200F';
    case RtfWord::ZeroWidthBreak: return u'\u200B';
    case RtfWord::ZeroWidthNoBreak: return u'\u2060';
    default: return 0;
    }
}

}  // namespace ferrolin
