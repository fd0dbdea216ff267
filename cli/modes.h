#pragma once

#include <string>

#include "cli/options.h"
#include "cli/output.h"

namespace roccalc::cli {

// The three modes; each returns its exit status and writes through `out`,
// whose failure the caller reports.

// One session from the flags: caption lines, or the window as JSON.
int runFlags(const Options& options, Output& out);

// Plays a window session written as text: "TextN=..." sets a box to what
// follows the first '=', verbatim; "CommandN" clicks a button (Command2 and
// Command4 with their timer's tick); blank lines and '#' comments are
// skipped. Prints the window as JSON after each command, line by line as
// the input comes. Any other line stops the replay with a diagnostic.
int runReplay(const Options& options, Output& out);

// Runs each CSV row (columns among pfa,pd,d,band,rc; an empty cell is a box
// not given) as a fresh session and writes the input columns followed by the
// results, row by row. A bad header or row stops the batch.
int runBatch(const Options& options, Output& out);

}  // namespace roccalc::cli
