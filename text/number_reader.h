#pragma once

#include <string_view>

namespace roccalc {

// Reads the leading number of an input box's text. Blanks, tabs and line
// feeds are skipped wherever they stand; one optional sign; digits with at
// most one point; an optional exponent introduced by E or D. The first
// character that fits none of these ends the number, and a text whose start
// holds no digit reads as 0. The point is the decimal point under every
// locale; a number too large for a double reads as an infinity of its sign.
// Never fails and never returns NaN.
double readNumber(std::string_view text);

// Whether the whole text is one number by that rule (blanks aside), so that
// reading it loses nothing: "1,5" and "" are not, " 2 5 " is.
bool readsEntirely(std::string_view text);

}  // namespace roccalc
