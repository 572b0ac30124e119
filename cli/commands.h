// The subcommands of zentara-cli and the command line that picks one. Each
// subcommand writes its result on `out` and its complaints on `err`, and
// returns an exit status of cli/exit_status.h.
#pragma once
#include <functional>
#include <iosfwd>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace CLI {
class App;
}

namespace zentara::cli {

struct Streams {
  std::ostream& out;
  std::ostream& err;
};

// Runs a subcommand once its command line has been read; returns the exit status.
using CommandAction = std::function<int()>;

struct Command {
  std::string_view name;
  std::string_view synopsis;  // one line for --help
  // Adds the subcommand's options to `command`, bound to values the returned
  // action owns, and returns that action.
  CommandAction (*define)(CLI::App& command, Streams io);
};

// Every subcommand, in the order --help lists them.
const std::vector<Command>& AllCommands();

// Each subcommand of a command line with the action that runs it.
using CommandActions = std::vector<std::pair<CLI::App*, CommandAction>>;

// zentara-cli's whole command line on `app`: its own options, every subcommand
// with its options, and the help texts. What RunCli reads, and what the shell
// completion is made from (cli/completion/).
CommandActions DefineCommandLine(CLI::App& app, Streams io);

// zentara-cli on `words`, the words after the program's name: reads the command
// line, runs the subcommand it names and returns the exit status. --help (also
// after a subcommand) and --version answer on `io.out` with status 0; a wrong
// command line is explained on `io.err` with status 2.
int RunCli(const std::vector<std::string>& words, Streams io);

}  // namespace zentara::cli
