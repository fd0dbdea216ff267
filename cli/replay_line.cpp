#include "cli/replay_line.h"

#include "cli/blanks.h"

namespace roccalc::cli {

ReplayLine parseReplayLine(std::string_view line) {
    ReplayLine parsed;
    if (trimBlanks(line).empty() || line.starts_with('#')) {
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
    if (const auto command = commandNamed(trimBlanks(line))) {
        parsed.kind = ReplayLine::Kind::Command;
        parsed.command = *command;
        return parsed;
    }
    parsed.kind = ReplayLine::Kind::Bad;
    return parsed;
}

}  // namespace roccalc::cli
