// The subcommands of zentara-cli. Each takes the words after its name, writes its
// result on stdout and its complaints on stderr, and returns the exit status
// (see cli/arguments.h).
#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace zentara::cli {

using CommandArguments = std::vector<std::string>;

struct Command {
  std::string_view name;
  std::string_view synopsis;  // one line for --help
  int (*run)(const CommandArguments&);
};

// Every subcommand, in the order --help lists them.
const std::vector<Command>& AllCommands();

}  // namespace zentara::cli
