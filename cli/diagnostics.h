#pragma once

#include <string>
#include <string_view>

namespace roccalc::cli {

// One line on stderr, "roccalc-cli: " before it. Diagnostics go to stderr
// only, results to stdout only.
void printDiagnostic(std::string_view message);

// An input text as a diagnostic shows it: in double quotes, control
// characters and bytes that are no UTF-8 escaped (\r, \n, \t, \0, \xNN),
// cut to 80 characters with "…", so a huge or binary input cannot flood or
// garble the terminal.
std::string quoted(std::string_view text);

// A warning when a text does not read as a number as a whole: the window
// would silently use its leading number. True when it warned.
bool warnIfPartlyRead(std::string_view where, std::string_view text);

}  // namespace roccalc::cli
