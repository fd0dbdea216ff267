#include "text/number_text.h"

#include <charconv>

namespace roccalc {

std::string shortestNumber(double value, std::string_view separator) {
    char buffer[64];
    char* end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    std::string text(buffer, static_cast<std::size_t>(end - buffer));
    const std::size_t point = text.find('.');
    if (point != std::string::npos) {
        text.replace(point, 1, separator);
    }
    return text;
}

}  // namespace roccalc
