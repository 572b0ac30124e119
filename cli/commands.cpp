#include "cli/commands.h"

namespace zentara::cli {

// One declaration and one row for each subcommand; each lives in its own file.

CommandAction DefineNumbers(CLI::App& command, Streams io);  // cmd_numbers.cpp
CommandAction DefineReading(CLI::App& command, Streams io);  // cmd_reading.cpp
CommandAction DefineSave(CLI::App& command, Streams io);     // cmd_save.cpp
CommandAction DefineOpen(CLI::App& command, Streams io);     // cmd_open.cpp
CommandAction DefineTexts(CLI::App& command, Streams io);    // cmd_texts.cpp
CommandAction DefineChart(CLI::App& command, Streams io);    // cmd_chart.cpp
CommandAction DefineZones(CLI::App& command, Streams io);    // cmd_zones.cpp
CommandAction DefinePlace(CLI::App& command, Streams io);    // cmd_place.cpp
CommandAction DefineMatch(CLI::App& command, Streams io);    // cmd_match.cpp
CommandAction DefineComposite(CLI::App& command, Streams io);  // cmd_relationship.cpp
CommandAction DefineDavison(CLI::App& command, Streams io);    // cmd_relationship.cpp
CommandAction DefinePeople(CLI::App& command, Streams io);   // cmd_people.cpp
CommandAction DefineReport(CLI::App& command, Streams io);   // cmd_report.cpp

const std::vector<Command>& AllCommands() {
  static const std::vector<Command> commands = {
      {"numbers", "life path and destiny numbers, keys and paragraphs of a pair", DefineNumbers},
      {"reading", "a pair's life path, destiny or comprehensive reading, as its window shows it", DefineReading},
      {"save", "write a pair's entries to a saved-reading file (.kvz), as the program's Save does", DefineSave},
      {"open", "a saved-reading file's entries and their comprehensive reading", DefineOpen},
      {"texts", "every compatibility key and its paragraph, one a line", DefineTexts},
      {"chart", "one partner's chart: universal time and the fourteen positions", DefineChart},
      {"zones", "the time-zone list: row, display text, hours and minutes", DefineZones},
      {"place", "look a birthplace up: coordinates, the offset at a local time, the zone row and DST box", DefinePlace},
      {"match", "the astrological match of a couple, or of every couple of a CSV file", DefineMatch},
      {"composite", "the composite chart of a couple: the midpoints of their two charts", DefineComposite},
      {"davison", "the Davison chart of a couple: cast for the midpoint of their births in time and space",
       DefineDavison},
      {"report", "the couple report as one PDF: readings, scores, wheels, aspects and overlays with their texts",
       DefineReport},
      {"people", "the book of people: add, list, show, edit, rm, import, export, rank", DefinePeople},
  };
  return commands;
}

}  // namespace zentara::cli
