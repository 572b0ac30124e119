#include "cli/entry_options.h"

#include <CLI/CLI.hpp>
#include <ostream>

namespace zentara::cli {

const std::array<EntryField, 12> EntryFields = {{
    {"--male-first", &NumerologyEntries::maleFirst, "Male first name", "NAME", "male first name"},
    {"--male-middle", &NumerologyEntries::maleMiddle, "Male middle name", "NAME", "male middle name (may be left out)"},
    {"--male-last", &NumerologyEntries::maleLast, "Male last name", "NAME", "male last name"},
    {"--female-first", &NumerologyEntries::femaleFirst, "Female first name", "NAME", "female first name"},
    {"--female-middle", &NumerologyEntries::femaleMiddle, "Female middle name", "NAME", "female middle name (may be left out)"},
    {"--female-last", &NumerologyEntries::femaleLast, "Female last name", "NAME", "female last name"},
    {"--male-month", &NumerologyEntries::maleMonth, "Male birth month", "MONTH", "male birth month, January to December"},
    {"--male-day", &NumerologyEntries::maleDay, "Male birth day", "DAY", "male birth day, 1 to 31"},
    {"--male-year", &NumerologyEntries::maleYear, "Male birth year", "YEAR", "male birth year"},
    {"--female-month", &NumerologyEntries::femaleMonth, "Female birth month", "MONTH", "female birth month, January to December"},
    {"--female-day", &NumerologyEntries::femaleDay, "Female birth day", "DAY", "female birth day, 1 to 31"},
    {"--female-year", &NumerologyEntries::femaleYear, "Female birth year", "YEAR", "female birth year"},
}};

void AddEntryOptions(CLI::App& command, NumerologyEntries& entries) {
  for (const EntryField& field : EntryFields) {
    command.add_option(std::string(field.option), entries.*field.entry, std::string(field.help))
        ->type_name(std::string(field.type));
  }
}

bool PassesEntryChecks(const NumerologyEntries& entries, std::ostream& err) {
  const auto failure = CheckNumerologyEntries(entries);
  if (failure) err << failure->message << "\n";
  return !failure;
}

}  // namespace zentara::cli
