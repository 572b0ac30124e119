// Writes zentara-cli's bash completion when the program is built: the template
// (zentara-cli.bash.in) with the tables of the program's own command line put
// in, so the completion knows every subcommand and option the program has.
//
//   zentara-make-completion TEMPLATE OUTPUT
#include <CLI/CLI.hpp>
#include <iostream>
#include <sstream>
#include <string>

#include "cli/commands.h"
#include "cli/completion/completion_tables.h"
#include "common/file_bytes.h"

namespace {

constexpr std::string_view TablesMark = "@ZENTARA_CLI_COMPLETION_TABLES@";
constexpr std::size_t MaxTemplateBytes = 1 << 20;

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: zentara-make-completion TEMPLATE OUTPUT\n";
    return 2;
  }
  const auto script = zentara::ReadFilePrefix(argv[1], MaxTemplateBytes);
  const std::size_t mark = script ? script->find(TablesMark) : std::string::npos;
  if (mark == std::string::npos) {
    std::cerr << "zentara-make-completion: " << argv[1] << " cannot be read or has no " << TablesMark << "\n";
    return 3;
  }
  CLI::App app;
  std::ostringstream unused;
  zentara::cli::DefineCommandLine(app, {unused, unused});
  std::string completion = *script;
  completion.replace(mark, TablesMark.size(), zentara::cli::CompletionTables(app));
  if (const auto failure = zentara::ReplaceFileContents(argv[2], completion)) {
    std::cerr << "zentara-make-completion: cannot write " << argv[2] << ": " << *failure << "\n";
    return 3;
  }
  return 0;
}
