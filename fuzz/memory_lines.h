#pragma once

#include <algorithm>
#include <cstring>
#include <string_view>

#include "cli/line_reader.h"

// A LineReader over a buffer, handing it out in chunks of `chunk` bytes so
// that line ends fall across reads as they do on a pipe; a small buffer of
// its own keeps each run cheap.
inline roccalc::cli::LineReader memoryLines(std::string_view text, std::size_t chunk) {
    return roccalc::cli::LineReader(
        [text, chunk](char* buffer, std::size_t size) mutable -> long {
            const std::size_t n = std::min({size, chunk, text.size()});
            std::memcpy(buffer, text.data(), n);
            text.remove_prefix(n);
            return static_cast<long>(n);
        },
        256);
}
