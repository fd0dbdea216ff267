#include "cli/output.h"

#include <cerrno>
#include <cstring>
#include <utility>

#include "cli/diagnostics.h"

namespace roccalc::cli {

Output::Output(std::FILE* stream, std::string name) : stream_(stream), name_(std::move(name)) {}

bool Output::check(bool ok) {
    if (!ok && error_ == 0) {
        error_ = errno != 0 ? errno : EIO;
    }
    return error_ == 0;
}

bool Output::writeLine(std::string_view text) {
    if (failed()) {
        return false;
    }
    errno = 0;
    const bool ok = std::fwrite(text.data(), 1, text.size(), stream_) == text.size() &&
                    std::fputc('\n', stream_) != EOF;
    return check(ok && std::ferror(stream_) == 0);
}

bool Output::flush() {
    if (failed()) {
        return false;
    }
    errno = 0;
    return check(std::fflush(stream_) == 0 && std::ferror(stream_) == 0);
}

void Output::report() const {
    printDiagnostic("write error: " + name_ + ": " + std::strerror(error_));
}

}  // namespace roccalc::cli
