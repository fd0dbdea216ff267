#pragma once

#include <functional>
#include <string>
#include <vector>

namespace roccalc::cli {

inline constexpr std::size_t kLongestLine = 1 << 20;  // 1 MiB: longer is malformed

// Reads text lines from a file descriptor one at a time, so memory is
// bounded by the longest line: "\n", "\r\n" and a lone "\r" all end a line,
// a UTF-8 byte order mark before the first line is dropped, and a last line
// without a line break is a line. Reads what is there without waiting for a
// full buffer, so a pipe or a terminal is answered line by line.
class LineReader {
  public:
    enum class Status { Line, End, TooLong, ReadError };

    // Reads up to `size` bytes into `buffer`: the count, 0 at the end, -1
    // with errno set on an error.
    using ReadFunction = std::function<long(char* buffer, std::size_t size)>;

    explicit LineReader(int fd);
    explicit LineReader(ReadFunction read, std::size_t bufferSize = 64 * 1024);

    // The next line, without its line break.
    Status next(std::string& line);
    // The number of the line last returned (or being read), from 1.
    long long lineNumber() const { return lineNumber_; }
    // The errno of a ReadError.
    int error() const { return error_; }

    // Called before each read that may wait for input: the replay hands its
    // answers on first.
    void setBeforeRead(std::function<void()> beforeRead) { beforeRead_ = std::move(beforeRead); }

  private:
    bool fill();

    ReadFunction read_;
    std::vector<char> buffer_;
    std::size_t begin_ = 0;
    std::size_t end_ = 0;
    bool endOfInput_ = false;
    bool skipLineFeed_ = false;  // the last line ended in '\r': a '\n' next is its CRLF
    long long lineNumber_ = 0;
    int error_ = 0;
    std::function<void()> beforeRead_;
};

}  // namespace roccalc::cli
