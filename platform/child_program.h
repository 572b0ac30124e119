// Running another program of this installation and talking to it through its
// standard streams, for work the calling program cannot do itself (the command
// line, which has no Qt, has the couple report laid out by a small Qt program).
// Plain C++ over the system's calls, like system_files.h.
#pragma once
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zentara::system {

// How a program run ended and what it wrote.
struct ChildRun {
  bool exited = false;  // false: ended by a signal
  int status = 0;       // its exit status, or the signal's number
  std::string output;   // all it wrote to its standard output
  std::string errors;   // all it wrote to its standard error
};

// Starts `program` with `arguments` (not counting its own name) and the
// caller's environment, gives it `input` on its standard input and then the
// end of the input, collects both its output streams whole, and waits for it
// to end. Either stream past `maxOutput` bytes ends the run: the program is
// killed and the run counts as ended by that signal. Nothing, and
// `errorNumber` set, when the program cannot be started (ENOENT for a missing
// one). A program that stops reading early costs no SIGPIPE: the rest of the
// input is dropped.
std::optional<ChildRun> RunChildProgram(const std::filesystem::path& program, const std::vector<std::string>& arguments,
                                        std::string_view input, std::size_t maxOutput, int& errorNumber);

}  // namespace zentara::system
