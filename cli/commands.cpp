#include "cli/commands.h"

namespace zentara::cli {

// One declaration and one row for each subcommand; each lives in its own file.

int RunNumbers(const CommandArguments& args);  // cmd_numbers.cpp
int RunTexts(const CommandArguments& args);  // cmd_texts.cpp
int RunChart(const CommandArguments& args);  // cmd_chart.cpp
int RunZones(const CommandArguments& args);  // cmd_zones.cpp

const std::vector<Command>& AllCommands() {
  static const std::vector<Command> commands = {
      {"numbers", "life path and destiny numbers, keys and paragraphs of a pair", RunNumbers},
      {"texts", "every compatibility key and its paragraph, one a line", RunTexts},
      {"chart", "one partner's chart: universal time and the fourteen positions", RunChart},
      {"zones", "the time-zone list: row, display text, hours and minutes", RunZones},
  };
  return commands;
}

}  // namespace zentara::cli
