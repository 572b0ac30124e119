#include "cli/commands.h"

namespace zentara::cli {

// One declaration and one row for each subcommand; each lives in its own file.

const std::vector<Command>& AllCommands() {
  static const std::vector<Command> commands = {
  };
  return commands;
}

}  // namespace zentara::cli
