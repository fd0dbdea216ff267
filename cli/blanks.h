#pragma once

#include <string_view>

namespace roccalc::cli {

// The blanks of a line of text (its line break already gone).
inline constexpr std::string_view kBlanks = " \t\v\f";

// `text` without blanks at either end.
inline std::string_view trimBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

}  // namespace roccalc::cli
