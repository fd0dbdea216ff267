#include "text/number_text.h"

#include <charconv>

namespace roccalc {

std::string withSeparator(std::string number, std::string_view separator) {
    const std::size_t point = number.find('.');
    if (point != std::string::npos) {
        number.replace(point, 1, separator);
    }
    return number;
}

std::string shortestNumber(double value, std::string_view separator) {
    char buffer[64];
    char* end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    return withSeparator(std::string(buffer, static_cast<std::size_t>(end - buffer)), separator);
}

}  // namespace roccalc
