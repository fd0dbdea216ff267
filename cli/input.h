#pragma once

#include <string>

namespace roccalc::cli {

// The file descriptor of FILE, or of standard input for "-"; -1 when it
// cannot be opened (the diagnostic is printed).
int openInput(const std::string& path);
void closeInput(int fd);

// The name of FILE in diagnostics.
std::string inputName(const std::string& path);

}  // namespace roccalc::cli
