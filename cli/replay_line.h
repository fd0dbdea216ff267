#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "detection/form1_fields.h"

namespace roccalc::cli {

// One line of a replayed window session.
struct ReplayLine {
    enum class Kind { Skip, Text, Command, Bad };

    Kind kind = Kind::Skip;
    TextBox box = TextBox::Text1;  // Text: the box "TextN=" names
    std::string text;              // Text: what follows the first '=', verbatim
    Command command = Command::Command1;
};

// "TextN=..." sets a box; "CommandN" (blanks around it allowed) clicks a
// button; blank lines and lines starting with '#' are skipped; anything
// else is Bad.
ReplayLine parseReplayLine(std::string_view line);

}  // namespace roccalc::cli
