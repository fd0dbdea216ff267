// The CSV reader against itself: every record it reads, written back with
// csvRecord and read again, gives the same fields, as one record.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "cli/csv.h"
#include "fuzz/memory_lines.h"

using roccalc::cli::CsvReader;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const std::size_t chunk = 1 + data[0] % 16;  // the first byte picks the read size
    const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);
    roccalc::cli::LineReader lines = memoryLines(text, chunk);
    CsvReader reader(lines);
    std::vector<std::string> fields;
    long long line = 0;
    long long previousLine = 0;
    while (reader.next(fields, line) == CsvReader::Status::Record) {
        if (line <= previousLine) {
            std::fprintf(stderr, "line numbers went back: %lld after %lld\n", line, previousLine);
            std::abort();
        }
        previousLine = line;
        const std::string written = roccalc::cli::csvRecord(fields);
        roccalc::cli::LineReader again = memoryLines(written, 4096);
        CsvReader rereader(again);
        std::vector<std::string> back;
        long long backLine = 0;
        std::vector<std::string> extra;
        if (rereader.next(back, backLine) != CsvReader::Status::Record || back != fields ||
            rereader.next(extra, backLine) != CsvReader::Status::End) {
            std::fprintf(stderr, "record did not read back: %s\n", written.c_str());
            std::abort();
        }
    }
    return 0;
}
