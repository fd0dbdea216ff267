#include "cli/line_reader.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace roccalc::cli {
namespace {

constexpr std::size_t kBufferSize = 64 * 1024;
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

}  // namespace

LineReader::LineReader(int fd)
    : LineReader([fd](char* buffer, std::size_t size) -> long { return ::read(fd, buffer, size); },
                 kBufferSize) {}

LineReader::LineReader(ReadFunction read, std::size_t bufferSize)
    : read_(std::move(read)), buffer_(bufferSize) {}

bool LineReader::fill() {
    if (beforeRead_) {
        beforeRead_();
    }
    for (;;) {
        const long got = read_(buffer_.data(), buffer_.size());
        if (got > 0) {
            begin_ = 0;
            end_ = static_cast<std::size_t>(got);
            return true;
        }
        if (got == 0) {
            endOfInput_ = true;
            return false;
        }
        if (errno != EINTR) {
            error_ = errno;
            return false;
        }
    }
}

LineReader::Status LineReader::next(std::string& line) {
    line.clear();
    bool started = false;
    for (;;) {
        if (begin_ == end_) {
            if (endOfInput_ || error_ != 0 || !fill()) {
                if (error_ != 0) {
                    return Status::ReadError;
                }
                if (!started) {
                    return Status::End;
                }
                break;  // a last line without a line break
            }
        }
        if (skipLineFeed_) {
            skipLineFeed_ = false;
            if (buffer_[begin_] == '\n') {
                ++begin_;
                continue;
            }
        }
        if (!started) {
            started = true;
            ++lineNumber_;
        }
        const char* data = buffer_.data() + begin_;
        const std::size_t available = end_ - begin_;
        std::size_t n = 0;
        while (n < available && data[n] != '\n' && data[n] != '\r') {
            ++n;
        }
        if (line.size() + n > kLongestLine) {
            return Status::TooLong;
        }
        line.append(data, n);
        begin_ += n;
        if (n < available) {
            skipLineFeed_ = buffer_[begin_] == '\r';
            ++begin_;
            break;
        }
    }
    if (lineNumber_ == 1 && line.starts_with(kByteOrderMark)) {
        line.erase(0, kByteOrderMark.size());
    }
    return Status::Line;
}

}  // namespace roccalc::cli
