#include "cli/entry_options.h"

#include <CLI/CLI.hpp>
#include <ostream>

namespace zentara::cli {

namespace {

struct EntryOption {
  const char* name;
  std::string NumerologyEntries::*entry;
  const char* type;
  const char* help;
};

// In the order --help lists them: each partner's names, then birth date.
constexpr EntryOption EntryOptions[] = {
    {"--male-first", &NumerologyEntries::maleFirst, "NAME", "male first name"},
    {"--male-middle", &NumerologyEntries::maleMiddle, "NAME", "male middle name (may be left out)"},
    {"--male-last", &NumerologyEntries::maleLast, "NAME", "male last name"},
    {"--male-month", &NumerologyEntries::maleMonth, "MONTH", "male birth month, January to December"},
    {"--male-day", &NumerologyEntries::maleDay, "DAY", "male birth day, 1 to 31"},
    {"--male-year", &NumerologyEntries::maleYear, "YEAR", "male birth year"},
    {"--female-first", &NumerologyEntries::femaleFirst, "NAME", "female first name"},
    {"--female-middle", &NumerologyEntries::femaleMiddle, "NAME", "female middle name (may be left out)"},
    {"--female-last", &NumerologyEntries::femaleLast, "NAME", "female last name"},
    {"--female-month", &NumerologyEntries::femaleMonth, "MONTH", "female birth month, January to December"},
    {"--female-day", &NumerologyEntries::femaleDay, "DAY", "female birth day, 1 to 31"},
    {"--female-year", &NumerologyEntries::femaleYear, "YEAR", "female birth year"},
};

}  // namespace

void AddEntryOptions(CLI::App& command, NumerologyEntries& entries) {
  for (const EntryOption& option : EntryOptions) {
    command.add_option(option.name, entries.*option.entry, option.help)->type_name(option.type);
  }
}

bool PassesEntryChecks(const NumerologyEntries& entries, std::ostream& err) {
  const auto failure = CheckNumerologyEntries(entries);
  if (failure) err << failure->message << "\n";
  return !failure;
}

}  // namespace zentara::cli
