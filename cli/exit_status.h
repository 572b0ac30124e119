// Exit statuses of zentara-cli, the same for every subcommand.
#pragma once

namespace zentara::cli {

inline constexpr int ExitSuccess = 0;
inline constexpr int ExitRefused = 1;  // the entries fail the program's own checks
inline constexpr int ExitUsage = 2;    // the command line itself is wrong
inline constexpr int ExitFile = 3;     // a file could not be read or written

}  // namespace zentara::cli
