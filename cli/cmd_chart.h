// zentara-cli chart: one partner's chart from the astro form's entries.
#pragma once
#include <iosfwd>

#include "cli/commands.h"

namespace zentara::cli {

// Reads the birth options (cli/birth_options.h), applies the form's date check,
// runs the three engine steps for the male table and writes the universal time
// of birth and the fourteen slot texts, as text or with --json as one JSON
// object, to `out`. The form's date message goes to `err`. Returns the exit
// status; a wrong command line throws UsageError.
int ChartCommand(const CommandArguments& args, std::ostream& out, std::ostream& err);

}  // namespace zentara::cli
