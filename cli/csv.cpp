#include "cli/csv.h"

#include <cstring>

namespace roccalc::cli {

CsvReader::Status CsvReader::fail(std::string message) {
    error_ = std::move(message);
    errorLine_ = lines_.lineNumber();
    return Status::Malformed;
}

CsvReader::Status CsvReader::next(std::vector<std::string>& fields, long long& line) {
    fields.clear();
    auto readLine = [&]() -> LineReader::Status {
        const LineReader::Status status = lines_.next(text_);
        if (status == LineReader::Status::TooLong) {
            fail("the line is longer than 1 MiB");
        } else if (status == LineReader::Status::ReadError) {
            fail(std::string("cannot be read: ") + std::strerror(lines_.error()));
        }
        return status;
    };
    // Blank lines are no records.
    LineReader::Status status;
    do {
        status = readLine();
        if (status != LineReader::Status::Line) {
            return status == LineReader::Status::End ? Status::End : Status::Malformed;
        }
    } while (text_.empty());
    line = lines_.lineNumber();

    std::string field;
    std::size_t recordSize = 0;
    bool quoted = false;
    for (;;) {
        for (std::size_t i = 0; i < text_.size(); ++i) {
            const char c = text_[i];
            if (quoted) {
                if (c != '"') {
                    field += c;
                } else if (i + 1 < text_.size() && text_[i + 1] == '"') {
                    field += '"';
                    ++i;
                } else {
                    quoted = false;
                }
            } else if (c == '"' && field.empty()) {
                quoted = true;
            } else if (c == ',') {
                fields.push_back(std::move(field));
                field.clear();
            } else {
                field += c;
            }
        }
        if (!quoted) {
            fields.push_back(std::move(field));
            return Status::Record;
        }
        // A quoted field goes on over the line break.
        recordSize += text_.size() + 1;
        status = readLine();
        if (status == LineReader::Status::End) {
            return fail("a quoted field is not closed");
        }
        if (status != LineReader::Status::Line) {
            return Status::Malformed;
        }
        if (recordSize + text_.size() > kLongestLine) {
            return fail("the row is longer than 1 MiB");
        }
        field += '\n';
    }
}

std::string csvField(std::string_view field) {
    // A leading byte order mark would be dropped as the file's own.
    if (field.find_first_of(",\"\n\r") == std::string_view::npos &&
        !field.starts_with("\xEF\xBB\xBF")) {
        return std::string(field);
    }
    std::string quoted = "\"";
    for (const char c : field) {
        if (c == '"') {
            quoted += '"';
        }
        quoted += c;
    }
    quoted += '"';
    return quoted;
}

std::string csvRecord(const std::vector<std::string>& fields) {
    if (fields.size() == 1 && fields[0].empty()) {
        return "\"\"";  // a blank line would be no record
    }
    std::string record;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) {
            record += ',';
        }
        record += csvField(fields[i]);
    }
    return record;
}

}  // namespace roccalc::cli
