// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The RTF control words the results reader acts on; every other word is formatting it ignores.
#include <string_view>

namespace ferrolin {

enum class RtfWord {
    Other,
    // Character sets and fonts
    Ansi, Mac, Pc, Pca, AnsiCodePage, DefaultFont, FontTable, Font, FontCharset, FontCodePage, Plain,
    // Unicode
    Unicode, UnicodeSkip, UnicodePair, UnicodeDestination,
    // Structure
    Paragraph, Line, Section, Row, NestedRow, NestedTableProperties, Binary, HiddenDestination, HiddenText,
    FootnoteMark,
    // Single characters
    Tab, Cell, NestedCell, EmDash, EnDash, EmSpace, EnSpace, QuarterEmSpace, Bullet, LeftQuote, RightQuote,
    LeftDoubleQuote, RightDoubleQuote, ZeroWidthJoiner, ZeroWidthNonJoiner, LeftToRightMark,
    RightToLeftMark, ZeroWidthBreak, ZeroWidthNoBreak,
};

// Which word `name` is (without the backslash and parameter). Destinations whose text is not
// part of the document (\colortbl, \info, \pict, \header, list definitions, the fallback
// \nonesttables, ...) are HiddenDestination; \listtext and \pntext, the list numbers written
// for readers without lists, are shown.
RtfWord LookUpRtfWord(std::string_view name);

// The character a single-character word stands for, or 0 when `word` is not one.
char16_t RtfWordCharacter(RtfWord word);

}  // namespace ferrolin
