// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/RtfControlWords.h"

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
    {"atndate", RtfWord::HiddenDestination},
    {"atnicn", RtfWord::HiddenDestination},
    {"atnid", RtfWord::HiddenDestination},
    {"atnparent", RtfWord::HiddenDestination},
    {"atnref", RtfWord::HiddenDestination},
    {"atntime", RtfWord::HiddenDestination},
    {"atrfend", RtfWord::HiddenDestination},
    {"atrfstart", RtfWord::HiddenDestination},
    {"author", RtfWord::HiddenDestination},
    {"background", RtfWord::HiddenDestination},
    {"bin", RtfWord::Binary},
    {"bkmkend", RtfWord::HiddenDestination},
    {"bkmkstart", RtfWord::HiddenDestination},
    {"blipuid", RtfWord::HiddenDestination},
    {"bullet", RtfWord::Bullet},
    {"buptim", RtfWord::HiddenDestination},
    {"category", RtfWord::HiddenDestination},
    {"cell", RtfWord::Cell},
    {"chftn", RtfWord::FootnoteMark},
    {"colorschememapping", RtfWord::HiddenDestination},
    {"colortbl", RtfWord::HiddenDestination},
    {"comment", RtfWord::HiddenDestination},
    {"company", RtfWord::HiddenDestination},
    {"cpg", RtfWord::FontCodePage},
    {"creatim", RtfWord::HiddenDestination},
    {"datafield", RtfWord::HiddenDestination},
    {"datastore", RtfWord::HiddenDestination},
    {"defchp", RtfWord::HiddenDestination},
    {"deff", RtfWord::DefaultFont},
    {"defpap", RtfWord::HiddenDestination},
    {"do", RtfWord::HiddenDestination},
    {"doccomm", RtfWord::HiddenDestination},
    {"docvar", RtfWord::HiddenDestination},
    {"ebcend", RtfWord::HiddenDestination},
    {"ebcstart", RtfWord::HiddenDestination},
    {"emdash", RtfWord::EmDash},
    {"emspace", RtfWord::EmSpace},
    {"endash", RtfWord::EnDash},
    {"enspace", RtfWord::EnSpace},
    {"f", RtfWord::Font},
    {"factoidname", RtfWord::HiddenDestination},
    {"falt", RtfWord::HiddenDestination},
    {"fchars", RtfWord::HiddenDestination},
    {"fcharset", RtfWord::FontCharset},
    {"ffdeftext", RtfWord::HiddenDestination},
    {"ffentrymcr", RtfWord::HiddenDestination},
    {"ffexitmcr", RtfWord::HiddenDestination},
    {"ffformat", RtfWord::HiddenDestination},
    {"ffhelptext", RtfWord::HiddenDestination},
    {"ffl", RtfWord::HiddenDestination},
    {"ffname", RtfWord::HiddenDestination},
    {"ffstattext", RtfWord::HiddenDestination},
    {"file", RtfWord::HiddenDestination},
    {"filetbl", RtfWord::HiddenDestination},
    {"fldinst", RtfWord::HiddenDestination},
    {"fldtype", RtfWord::HiddenDestination},
    {"fname", RtfWord::HiddenDestination},
    {"fontemb", RtfWord::HiddenDestination},
    {"fontfile", RtfWord::HiddenDestination},
    {"fonttbl", RtfWord::FontTable},
    {"footer", RtfWord::HiddenDestination},
    {"footerf", RtfWord::HiddenDestination},
    {"footerl", RtfWord::HiddenDestination},
    {"footerr", RtfWord::HiddenDestination},
    {"footnote", RtfWord::HiddenDestination},
    {"ftncn", RtfWord::HiddenDestination},
    {"ftnsep", RtfWord::HiddenDestination},
    {"ftnsepc", RtfWord::HiddenDestination},
    {"g", RtfWord::HiddenDestination},
    {"generator", RtfWord::HiddenDestination},
    {"gridtbl", RtfWord::HiddenDestination},
    {"header", RtfWord::HiddenDestination},
    {"headerf", RtfWord::HiddenDestination},
    {"headerl", RtfWord::HiddenDestination},
    {"headerr", RtfWord::HiddenDestination},
    {"hlfr", RtfWord::HiddenDestination},
    {"hlinkbase", RtfWord::HiddenDestination},
    {"hlloc", RtfWord::HiddenDestination},
    {"hlsrc", RtfWord::HiddenDestination},
    {"hsv", RtfWord::HiddenDestination},
    {"htmltag", RtfWord::HiddenDestination},
    {"info", RtfWord::HiddenDestination},
    {"keycode", RtfWord::HiddenDestination},
    {"keywords", RtfWord::HiddenDestination},
    {"latentstyles", RtfWord::HiddenDestination},
    {"lchars", RtfWord::HiddenDestination},
    {"ldblquote", RtfWord::LeftDoubleQuote},
    {"levelnumbers", RtfWord::HiddenDestination},
    {"leveltext", RtfWord::HiddenDestination},
    {"lfolevel", RtfWord::HiddenDestination},
    {"line", RtfWord::Line},
    {"linkval", RtfWord::HiddenDestination},
    {"list", RtfWord::HiddenDestination},
    {"listlevel", RtfWord::HiddenDestination},
    {"listname", RtfWord::HiddenDestination},
    {"listoverride", RtfWord::HiddenDestination},
    {"listoverridetable", RtfWord::HiddenDestination},
    {"listpicture", RtfWord::HiddenDestination},
    {"liststylename", RtfWord::HiddenDestination},
    {"listtable", RtfWord::HiddenDestination},
    {"lquote", RtfWord::LeftQuote},
    {"lsdlockedexcept", RtfWord::HiddenDestination},
    {"ltrmark", RtfWord::LeftToRightMark},
    {"mac", RtfWord::Mac},
    {"mailmerge", RtfWord::HiddenDestination},
    {"manager", RtfWord::HiddenDestination},
    {"mmathPr", RtfWord::HiddenDestination},
    {"mmodso", RtfWord::HiddenDestination},
    {"mmodsofldmpdata", RtfWord::HiddenDestination},
    {"nestcell", RtfWord::NestedCell},
    {"nestrow", RtfWord::NestedRow},
    {"nesttableprops", RtfWord::NestedTableProperties},
    {"nextfile", RtfWord::HiddenDestination},
    {"nonesttables", RtfWord::HiddenDestination},
    {"nonshppict", RtfWord::HiddenDestination},
    {"objalias", RtfWord::HiddenDestination},
    {"objclass", RtfWord::HiddenDestination},
    {"objdata", RtfWord::HiddenDestination},
    {"object", RtfWord::HiddenDestination},
    {"objname", RtfWord::HiddenDestination},
    {"objsect", RtfWord::HiddenDestination},
    {"objtime", RtfWord::HiddenDestination},
    {"oldcprops", RtfWord::HiddenDestination},
    {"oldpprops", RtfWord::HiddenDestination},
    {"oldsprops", RtfWord::HiddenDestination},
    {"oldtprops", RtfWord::HiddenDestination},
    {"oleclsid", RtfWord::HiddenDestination},
    {"operator", RtfWord::HiddenDestination},
    {"panose", RtfWord::HiddenDestination},
    {"par", RtfWord::Paragraph},
    {"password", RtfWord::HiddenDestination},
    {"passwordhash", RtfWord::HiddenDestination},
    {"pc", RtfWord::Pc},
    {"pca", RtfWord::Pca},
    {"pgdsctbl", RtfWord::HiddenDestination},
    {"pgp", RtfWord::HiddenDestination},
    {"pgptbl", RtfWord::HiddenDestination},
    {"picprop", RtfWord::HiddenDestination},
    {"pict", RtfWord::HiddenDestination},
    {"plain", RtfWord::Plain},
    {"pn", RtfWord::HiddenDestination},
    {"pnseclvl", RtfWord::HiddenDestination},
    {"pntxta", RtfWord::HiddenDestination},
    {"pntxtb", RtfWord::HiddenDestination},
    {"printim", RtfWord::HiddenDestination},
    {"private", RtfWord::HiddenDestination},
    {"propname", RtfWord::HiddenDestination},
    {"protend", RtfWord::HiddenDestination},
    {"protstart", RtfWord::HiddenDestination},
    {"protusertbl", RtfWord::HiddenDestination},
    {"pxe", RtfWord::HiddenDestination},
    {"qmspace", RtfWord::QuarterEmSpace},
    {"rdblquote", RtfWord::RightDoubleQuote},
    {"revtbl", RtfWord::HiddenDestination},
    {"revtim", RtfWord::HiddenDestination},
    {"row", RtfWord::Row},
    {"rquote", RtfWord::RightQuote},
    {"rsidtbl", RtfWord::HiddenDestination},
    {"rtlmark", RtfWord::RightToLeftMark},
    {"rxe", RtfWord::HiddenDestination},
    {"sect", RtfWord::Section},
    {"shpinst", RtfWord::HiddenDestination},
    {"sn", RtfWord::HiddenDestination},
    {"sp", RtfWord::HiddenDestination},
    {"staticval", RtfWord::HiddenDestination},
    {"stylesheet", RtfWord::HiddenDestination},
    {"subject", RtfWord::HiddenDestination},
    {"sv", RtfWord::HiddenDestination},
    {"svb", RtfWord::HiddenDestination},
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
    {"v", RtfWord::HiddenText},
    {"wgrffmtfilter", RtfWord::HiddenDestination},
    {"windowcaption", RtfWord::HiddenDestination},
    {"writereservation", RtfWord::HiddenDestination},
    {"writereservhash", RtfWord::HiddenDestination},
    {"xe", RtfWord::HiddenDestination},
    {"xform", RtfWord::HiddenDestination},
    {"xmlattrname", RtfWord::HiddenDestination},
    {"xmlattrvalue", RtfWord::HiddenDestination},
    {"xmlclose", RtfWord::HiddenDestination},
    {"xmlname", RtfWord::HiddenDestination},
    {"xmlnstbl", RtfWord::HiddenDestination},
    {"xmlopen", RtfWord::HiddenDestination},
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
    case RtfWord::Cell:
    case RtfWord::NestedCell: return u'\t';
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
