#include "cli/replay_line.h"

namespace roccalc::cli {
namespace {

constexpr std::string_view kBlanks = " \t\v\f";

std::string_view trimmed(std::string_view line) {
    const std::size_t first = line.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        return {};
    }
    return line.substr(first, line.find_last_not_of(kBlanks) - first + 1);
}

}  // namespace

ReplayLine parseReplayLine(std::string_view line) {
    ReplayLine parsed;
    if (trimmed(line).empty() || line.starts_with('#')) {
        return parsed;
    }
    const std::size_t equals = line.find('=');
    if (equals != std::string_view::npos) {
        if (const auto box = textBoxNamed(line.substr(0, equals))) {
            parsed.kind = ReplayLine::Kind::Text;
            parsed.box = *box;
            parsed.text = line.substr(equals + 1);
            return parsed;
        }
    }
    if (const auto command = commandNamed(trimmed(line))) {
        parsed.kind = ReplayLine::Kind::Command;
        parsed.command = *command;
        return parsed;
    }
    parsed.kind = ReplayLine::Kind::Bad;
    return parsed;
}

}  // namespace roccalc::cli
