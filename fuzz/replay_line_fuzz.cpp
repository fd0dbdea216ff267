// The replay line parser against the line format: a text line written back
// as NAME=TEXT and a command as its name parse to the same; a skipped line
// is blank or a comment; and nothing else is taken.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "cli/replay_line.h"
#include "fuzz/memory_lines.h"

using roccalc::cli::parseReplayLine;
using roccalc::cli::ReplayLine;

namespace {

[[noreturn]] void fail(const char* what, const std::string& line) {
    std::fprintf(stderr, "%s: \"%s\"\n", what, line.c_str());
    std::abort();
}

bool blank(const std::string& line) {
    return line.find_first_not_of(" \t\v\f") == std::string::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    roccalc::cli::LineReader lines = memoryLines(text, 1 + size % 13);
    std::string line;
    while (lines.next(line) == roccalc::cli::LineReader::Status::Line) {
        if (line.find_first_of("\r\n") != std::string::npos) {
            fail("a line holds a line break", line);
        }
        const ReplayLine parsed = parseReplayLine(line);
        switch (parsed.kind) {
            case ReplayLine::Kind::Skip:
                if (!blank(line) && !line.starts_with('#')) {
                    fail("skipped a line that is no comment", line);
                }
                break;
            case ReplayLine::Kind::Text: {
                const std::string written =
                    std::string(roccalc::field(parsed.box).name) + '=' + parsed.text;
                const ReplayLine again = parseReplayLine(written);
                if (written != line || again.kind != ReplayLine::Kind::Text ||
                    again.box != parsed.box || again.text != parsed.text) {
                    fail("a box text does not read back", line);
                }
                break;
            }
            case ReplayLine::Kind::Command: {
                const std::string name(roccalc::field(parsed.command).name);
                if (line.find(name) == std::string::npos ||
                    parseReplayLine(name).command != parsed.command) {
                    fail("a command does not read back", line);
                }
                break;
            }
            case ReplayLine::Kind::Bad:
                if (blank(line) || line.starts_with('#')) {
                    fail("refused a blank or comment line", line);
                }
                break;
        }
    }
    return 0;
}
