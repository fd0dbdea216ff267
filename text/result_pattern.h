#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace roccalc {

// The digit patterns of the result labels.
inline constexpr std::string_view kPatternFourDecimals = "##.####";     // p(FA) reached, q
inline constexpr std::string_view kPatternPercent = "   ##.##";         // p(D)
inline constexpr std::string_view kPatternDetectionIndex = "##.#####";  // d
inline constexpr std::string_view kPatternDecibels = "####.#";          // S/N in dB

// Writes `value` by a digit pattern: rounded to the pattern's decimals (the
// double's exact value, halves away from zero), no leading zero, every
// integer digit, the separator always, no trailing zeros, characters other
// than '#' and '.' written where they stand, a minus sign in front of a
// negative value. No value, or one that is not finite, gives the empty text.
std::string formatPattern(std::optional<double> value, std::string_view pattern,
                          std::string_view separator = ".");

}  // namespace roccalc
