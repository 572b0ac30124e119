// zentara-cli's command line as the tables its bash completion reads
// (zentara-cli.bash.in): for every command, from zentara-cli itself down to a
// subcommand's subcommands, its subcommands, its options, and what is offered
// for each option's value and each argument.
#pragma once
#include <string>

namespace CLI {
class App;
}

namespace zentara::cli {

// The tables as bash declarations of the associative arrays
// _zentara_cli_subcommands, _zentara_cli_options and _zentara_cli_values,
// keyed by command path ("zentara-cli", "zentara-cli match"). A value is
// "files" (any file name), "files:EXT" (names ending in .EXT, and folders),
// "words:W1 W2 ..." (those words) or "" (nothing to offer: the user types it).
// Values are keyed by "PATH --option" for an option that takes one, and by
// "PATH N" for the command's Nth argument ("PATH N..." when it takes the
// words from there on).
std::string CompletionTables(const CLI::App& app);

}  // namespace zentara::cli
