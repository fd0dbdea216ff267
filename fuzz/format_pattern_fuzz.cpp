// formatPattern's text read back: the pattern's shape (literal blanks, sign,
// separator, no leading zero, at most the pattern's decimals, no trailing
// zero) and within half a unit of the last decimal of the value.
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

#include "text/result_pattern.h"

namespace {

struct PatternInfo {
    std::string_view pattern;
    std::string_view prefix;
    int decimals;
};

constexpr std::array kPatterns{
    PatternInfo{roccalc::kPatternFourDecimals, "", 4},
    PatternInfo{roccalc::kPatternPercent, "   ", 2},
    PatternInfo{roccalc::kPatternDetectionIndex, "", 5},
    PatternInfo{roccalc::kPatternDecibels, "", 1},
};
constexpr std::array<std::string_view, 3> kSeparators{".", ",", "\u066B"};

[[noreturn]] void fail(const char* what, double value, const std::string& text) {
    std::fprintf(stderr, "%s: value %a, text \"%s\"\n", what, value, text.c_str());
    std::abort();
}

bool allDigits(std::string_view s) {
    for (char c : s) {
        if (c < '0' || c > '9') {
            return false;
        }
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) {
        // No value at all.
        if (!roccalc::formatPattern(std::nullopt, kPatterns[0].pattern).empty()) {
            std::abort();
        }
        return 0;
    }
    const PatternInfo& info = kPatterns[data[0] % kPatterns.size()];
    const std::string_view separator = kSeparators[(data[0] / 4) % kSeparators.size()];
    double value = 0.0;
    if (size >= 10) {
        std::memcpy(&value, data + 2, sizeof value);
    } else {
        // Short inputs: values near the patterns' rounding points.
        value = (static_cast<int>(data[1]) - 128) / std::pow(10.0, info.decimals + 1);
    }

    const std::string text = roccalc::formatPattern(value, info.pattern, separator);
    if (!std::isfinite(value)) {
        if (!text.empty()) {
            fail("no value must give the empty text", value, text);
        }
        return 0;
    }

    std::string_view rest = text;
    const bool negative = rest.starts_with('-');
    if (negative != (value < 0)) {
        fail("sign", value, text);
    }
    if (negative) {
        rest.remove_prefix(1);
    }
    if (!rest.starts_with(info.prefix)) {
        fail("literal characters", value, text);
    }
    rest.remove_prefix(info.prefix.size());
    const std::size_t at = rest.find(separator);
    if (at == std::string_view::npos) {
        fail("separator", value, text);
    }
    const std::string_view integer = rest.substr(0, at);
    const std::string_view decimals = rest.substr(at + separator.size());
    if (!allDigits(integer) || !allDigits(decimals) || integer.starts_with('0') ||
        decimals.size() > static_cast<std::size_t>(info.decimals) || decimals.ends_with('0')) {
        fail("shape", value, text);
    }

    const std::string readable = std::string(negative ? "-" : "") + "0" + std::string(integer) +
                                 "." + std::string(decimals) + "0";
    const long double readBack = std::strtold(readable.c_str(), nullptr);
    const long double halfUnit = 0.5L * std::pow(10.0L, -info.decimals);
    // Long double carries 64 bits: allow its own rounding on large values.
    const long double slack = std::fabs(static_cast<long double>(value)) * 0x1p-60L;
    if (std::fabs(readBack - static_cast<long double>(value)) > halfUnit + slack) {
        fail("more than half a unit away", value, text);
    }
    return 0;
}
