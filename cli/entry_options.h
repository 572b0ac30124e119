// The twelve entries of the numerology form as options of a subcommand, shared
// by every subcommand that makes a reading from them or shows them.
#pragma once
#include <array>
#include <iosfwd>
#include <string>
#include <string_view>

#include "numerology/numerology_entries.h"

namespace CLI {
class App;
}

namespace zentara::cli {

struct EntryField {
  std::string_view option;  // "--male-first"
  std::string NumerologyEntries::*entry;
  std::string_view label;  // "Male first name", as zentara-cli open prints it
  std::string_view type;   // the value's name in --help
  std::string_view help;
};

// The entries in the order of the saved-reading file (and of NumerologyEntries):
// the six names, then each partner's birth month, day and year.
extern const std::array<EntryField, 12> EntryFields;

// Adds the twelve options of EntryFields to `command`, bound to `entries`. Each
// value is taken exactly as typed into the form; a missing option is an empty
// entry, which the form's checks then refuse.
void AddEntryOptions(CLI::App& command, NumerologyEntries& entries);

// Runs the form's checks: true when they all pass, otherwise false with the
// first failing check's message on `err`.
bool PassesEntryChecks(const NumerologyEntries& entries, std::ostream& err);

}  // namespace zentara::cli
