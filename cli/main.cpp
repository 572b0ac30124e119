// zentara-cli: the command-line companion of the desktop program. It computes what
// the program computes, for scripts and for checking results by hand.
#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "shell/application_title.h"
#include "site_config.h"

namespace {

using namespace zentara::cli;

void PrintHelp(std::ostream& out) {
  out << "Usage: zentara-cli SUBCOMMAND [OPTIONS] [--json]\n"
         "       zentara-cli --help | --version\n\n"
         "Computes the numbers, texts and charts of " << zentara::ApplicationTitle << ".\n\n"
         "Subcommands:\n";
  for (const Command& command : AllCommands()) {
    out << "  " << command.name << std::string(10 - std::min<std::size_t>(9, command.name.size()), ' ')
        << command.synopsis << "\n";
  }
  out << "\nExit status: 0 success, 1 the entries fail the program's checks (its message\n"
         "on stderr), 2 the command line is wrong.\n";
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> words(argv + 1, argv + argc);
  if (words.empty()) {
    PrintHelp(std::cerr);
    return ExitUsage;
  }
  const std::string& first = words.front();
  if (first == "--help" || first == "-h") {
    PrintHelp(std::cout);
    return ExitSuccess;
  }
  if (first == "--version") {
    std::cout << "zentara-cli " << zentara::ProgramVersion << "\n";
    return ExitSuccess;
  }
  for (const Command& command : AllCommands()) {
    if (command.name != first) continue;
    try {
      return command.run(std::vector<std::string>(words.begin() + 1, words.end()));
    } catch (const UsageError& error) {
      std::cerr << "zentara-cli " << first << ": " << error.what() << "\n"
                << "Try 'zentara-cli --help'.\n";
      return ExitUsage;
    } catch (const std::exception& error) {
      std::cerr << "zentara-cli " << first << ": " << error.what() << "\n";
      return ExitUsage;
    }
  }
  std::cerr << "zentara-cli: unknown subcommand '" << first << "'\nTry 'zentara-cli --help'.\n";
  return ExitUsage;
}
