#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "cli/line_reader.h"

namespace roccalc::cli {

// Reads RFC 4180 records one at a time from a LineReader: fields separated
// by commas, quoted where they hold a comma, a quote (doubled) or a line
// break (read back as "\n"). Blank lines are skipped.
class CsvReader {
  public:
    enum class Status { Record, End, Malformed };

    explicit CsvReader(LineReader& lines) : lines_(lines) {}

    // The next record, with the line it starts on. Malformed: a quote left
    // open, a record longer than 1 MiB, or the input unreadable; error()
    // says which and errorLine() where.
    Status next(std::vector<std::string>& fields, long long& line);
    const std::string& error() const { return error_; }
    long long errorLine() const { return errorLine_; }

  private:
    Status fail(std::string message);

    LineReader& lines_;
    std::string text_;
    std::string error_;
    long long errorLine_ = 0;
};

// One field, quoted only where it must be.
std::string csvField(std::string_view field);
std::string csvRecord(const std::vector<std::string>& fields);

}  // namespace roccalc::cli
