#include "text/result_pattern.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

namespace roccalc {
namespace {

// Enough fractional digits to write any double's exact value in fixed
// notation (the smallest subnormal has 1074), plus its 309 integer digits.
constexpr int kExactFractionDigits = 1100;
constexpr std::size_t kExactBufferSize = 1600;

struct PatternShape {
    std::string prefix;  // literal characters before the digits
    int decimals = 0;
};

PatternShape shapeOf(std::string_view pattern) {
    PatternShape shape;
    const std::size_t point = pattern.find('.');
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        if (c == '#') {
            if (point != std::string_view::npos && i > point) {
                ++shape.decimals;
            }
        } else if (c != '.' && i < pattern.find('#')) {
            shape.prefix.push_back(c);
        }
    }
    return shape;
}

// Adds one unit in the last place of a string of decimal digits.
void incrementDigits(std::string& digits) {
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return;
        }
        *it = '0';
    }
    digits.insert(digits.begin(), '1');
}

}  // namespace

std::string formatPattern(std::optional<double> value, std::string_view pattern,
                          std::string_view separator) {
    if (!value || !std::isfinite(*value)) {
        return {};
    }
    const PatternShape shape = shapeOf(pattern);

    // The exact decimal expansion, truncated after one digit beyond the
    // pattern's decimals, decides the rounding without a second rounding.
    std::array<char, kExactBufferSize> buffer{};
    const auto written =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), std::fabs(*value),
                      std::chars_format::fixed, kExactFractionDigits);
    const std::string_view exact(buffer.data(),
                                 static_cast<std::size_t>(written.ptr - buffer.data()));
    const std::size_t point = exact.find('.');
    const std::string_view integerPart = exact.substr(0, point);
    const std::string_view fraction = exact.substr(point + 1);

    // Integer and kept decimals as one digit string, rounded as a whole so
    // that a carry runs into the integer part.
    std::string digits(integerPart);
    digits += fraction.substr(0, static_cast<std::size_t>(shape.decimals));
    if (fraction[static_cast<std::size_t>(shape.decimals)] >= '5') {
        incrementDigits(digits);
    }
    const std::size_t integerLength = digits.size() - static_cast<std::size_t>(shape.decimals);
    std::string integerDigits = digits.substr(0, integerLength);
    std::string decimalDigits = digits.substr(integerLength);

    integerDigits.erase(0, std::min(integerDigits.find_first_not_of('0'), integerDigits.size()));
    decimalDigits.erase(std::min(decimalDigits.find_last_not_of('0') + 1, decimalDigits.size()));

    std::string text;
    if (*value < 0) {
        text += '-';
    }
    text += shape.prefix;
    text += integerDigits;
    text += separator;
    text += decimalDigits;
    return text;
}

}  // namespace roccalc
