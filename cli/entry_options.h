// The twelve entries of the numerology form as options of a subcommand, shared
// by every subcommand that makes a reading from them.
#pragma once
#include <iosfwd>

#include "numerology/numerology_entries.h"

namespace CLI {
class App;
}

namespace zentara::cli {

// Adds --male-first, --male-middle, --male-last, --male-month, --male-day,
// --male-year and the same six for --female-, bound to `entries`. Each value is
// taken exactly as typed into the form; a missing option is an empty entry,
// which the form's checks then refuse.
void AddEntryOptions(CLI::App& command, NumerologyEntries& entries);

// Runs the form's checks: true when they all pass, otherwise false with the
// first failing check's message on `err`.
bool PassesEntryChecks(const NumerologyEntries& entries, std::ostream& err);

}  // namespace zentara::cli
