// readNumber against an independent reading of the same text: the blanks
// stripped, the longest prefix of the form sign, digits, point, exponent,
// converted by std::from_chars (strtod_l in the C locale where that is out of
// range). Runs under a comma locale, so any dependence on it shows.
#include <locale.h>
#include <bit>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "text/number_reader.h"

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

double independentRead(std::string_view text) {
    std::string s;
    for (char c : text) {
        if (c != ' ' && c != '\t' && c != '\n') {
            s.push_back(c);
        }
    }
    std::size_t i = 0;
    std::string number;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        if (s[i] == '-') {
            number.push_back('-');
        }
        ++i;
    }
    bool digit = false;
    while (i < s.size() && isDigit(s[i])) {
        number.push_back(s[i++]);
        digit = true;
    }
    if (i < s.size() && s[i] == '.') {
        number.push_back(s[i++]);
        while (i < s.size() && isDigit(s[i])) {
            number.push_back(s[i++]);
            digit = true;
        }
    }
    if (!digit) {
        return 0.0;
    }
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E' || s[i] == 'd' || s[i] == 'D')) {
        std::size_t j = i + 1;
        std::string exponent = "e";
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) {
            exponent.push_back(s[j++]);
        }
        if (j < s.size() && isDigit(s[j])) {
            while (j < s.size() && isDigit(s[j])) {
                exponent.push_back(s[j++]);
            }
            number += exponent;
        }
    }
    double value = 0.0;
    const auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (ec == std::errc::result_out_of_range) {
        static locale_t cLocale = newlocale(LC_ALL_MASK, "C", nullptr);
        value = strtod_l(number.c_str(), nullptr, cLocale);
    } else if (ec != std::errc() || end != number.data() + number.size()) {
        std::fprintf(stderr, "oracle could not read \"%s\"\n", number.c_str());
        std::abort();
    }
    return value;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    for (const char* name : {"it_IT.UTF-8", "de_DE.UTF-8", "fr_FR.UTF-8"}) {
        if (std::setlocale(LC_ALL, name) != nullptr) {
            std::fprintf(stderr, "read_number_fuzz: running under the %s locale\n", name);
            return 0;
        }
    }
    std::fprintf(stderr, "read_number_fuzz: no comma locale installed; running under C\n");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const double got = roccalc::readNumber(text);
    if (std::isnan(got)) {
        std::abort();
    }
    const double expected = independentRead(text);
    if (std::bit_cast<std::uint64_t>(got) != std::bit_cast<std::uint64_t>(expected)) {
        std::fprintf(stderr, "readNumber gives %a, the independent reading %a\n", got, expected);
        std::abort();
    }
    return 0;
}
