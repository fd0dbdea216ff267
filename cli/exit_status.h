#pragma once

namespace roccalc::cli {

// The exit statuses of roccalc-cli, as --help and the manual list them.
inline constexpr int kExitOk = 0;          // all ran and all was written
inline constexpr int kExitRefused = 1;     // all written, but an input was refused or had no result
inline constexpr int kExitUsage = 2;       // bad options, a malformed replay line or CSV row
inline constexpr int kExitWriteError = 3;  // output could not be written

}  // namespace roccalc::cli
