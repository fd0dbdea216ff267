#pragma once

#include <QByteArray>
#include <QString>

namespace roccalc::cli {

// Plays a window session written as text: "TextN=..." sets a box to what
// follows the first '=', verbatim; "CommandN" clicks a button (Command2 and
// Command4 with their timer's tick); blank lines and '#' comments are
// skipped. Prints the window as JSON after each command. Any other line
// stops the replay with a diagnostic; returns the exit status.
int runReplay(const QByteArray& script, const QString& name, const QString& separator);

}  // namespace roccalc::cli
