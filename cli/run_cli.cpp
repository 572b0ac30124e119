// The command line of zentara-cli, read by CLI11: one subcommand with its
// options, help for the program and for each subcommand, and CLI11's own exit
// codes replaced by the program's (cli/exit_status.h).
#include <CLI/CLI.hpp>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <exception>
#include <memory>
#include <ostream>
#include <utility>

#include "cli/commands.h"
#include "cli/exit_status.h"
#include "common/application_title.h"
#include "site_config.h"

namespace zentara::cli {

namespace {

constexpr const char* ExitStatusHelp =
    "Exit status: 0 success, 1 the entries fail the program's checks (its message\n"
    "on stderr), 2 the command line is wrong, 3 a file could not be read or written\n"
    "(standard output included).";

// CLI11 reads "--name=" as "--name" given without a value and takes the next
// word as its value, so "--middle= --json" would swallow --json. Spelt as two
// words, "--name" "", the value is empty, as getopt_long reads "--name=".
// Words after "--" are arguments, never options, and stay as they are.
std::vector<std::string> WithEmptyValuesSplit(const std::vector<std::string>& words) {
  std::vector<std::string> split;
  split.reserve(words.size());
  bool options = true;
  for (const std::string& word : words) {
    if (word == "--") options = false;
    if (options && word.size() > 3 && word.rfind("--", 0) == 0 && word.find('=') == word.size() - 1) {
      split.push_back(word.substr(0, word.size() - 1));
      split.emplace_back();
    } else {
      split.push_back(word);
    }
  }
  return split;
}

// A subcommand's exit status once what it wrote on `out` has reached its
// destination: output that could not be written (a full disk, /dev/full, a
// closed stream) is a failure, never a success with the output lost.
int AfterOutputFlushed(int status, const std::string& who, Streams io) {
  // The reason is the last failed call's: the write that failed before now, if
  // one did, or else the flush.
  if (io.out) errno = 0;
  io.out.flush();
  if (io.out) return status;
  const int reason = errno;
  if (status != ExitFile) {  // a subcommand that already failed on a file has said why
    io.err << who << ": cannot write the output";
    if (reason != 0) io.err << ": " << std::strerror(reason);
    io.err << "\n";
  }
  return ExitFile;
}

// CLI11's help, less the "Excludes:" lists: CLI11 keeps them in a set ordered by
// the options' addresses, so their order would change from run to run. The
// options' own help says what they stand in place of.
class SteadyHelpFormatter final : public CLI::Formatter {
 public:
  std::string make_option_opts(const CLI::Option* option) const override {
    std::string text;
    if (option->get_type_size() != 0) {
      if (!option->get_type_name().empty()) text += " " + get_label(option->get_type_name());
      if (!option->get_default_str().empty()) text += "=" + option->get_default_str();
      if (option->get_expected_max() == CLI::detail::expected_max_vector_size) {
        text += " ...";
      } else if (option->get_expected_min() > 1) {
        text += " x " + std::to_string(option->get_expected());
      }
      if (option->get_required()) text += " " + get_label("REQUIRED");
    }
    return text;
  }
};

bool IsCommandName(const std::string& word) {
  const auto& commands = AllCommands();
  return std::any_of(commands.begin(), commands.end(),
                     [&](const Command& command) { return command.name == word; });
}

}  // namespace

CommandActions DefineCommandLine(CLI::App& app, Streams io) {
  app.description("Computes the numbers, readings and charts of " + std::string(ApplicationTitle) +
                  ", and saves and opens its readings.");
  app.name("zentara-cli");
  app.formatter(std::make_shared<SteadyHelpFormatter>());  // before the subcommands, which inherit it
  app.set_version_flag("--version", "zentara-cli " + std::string(ProgramVersion));
  app.require_subcommand(1);

  CommandActions actions;
  for (const Command& command : AllCommands()) {
    CLI::App* subcommand = app.add_subcommand(std::string(command.name), std::string(command.synopsis));
    actions.emplace_back(subcommand, command.define(*subcommand, io));
    const std::string ownFooter = subcommand->get_footer();
    subcommand->footer(ownFooter.empty() ? ExitStatusHelp : ownFooter + "\n\n" + ExitStatusHelp);
  }
  // Set after the subcommands, which would otherwise inherit it as their own.
  app.footer(ExitStatusHelp);
  return actions;
}

int RunCli(const std::vector<std::string>& typedWords, Streams io) {
  const std::vector<std::string> words = WithEmptyValuesSplit(typedWords);
  CLI::App app;
  const CommandActions actions = DefineCommandLine(app, io);

  if (words.empty()) {
    io.err << app.help();
    return ExitUsage;
  }
  // CLI11 would call a misspelt subcommand an unexpected argument; say what it is.
  if (words.front().rfind('-', 0) != 0 && !IsCommandName(words.front())) {
    io.err << "zentara-cli: unknown subcommand '" << words.front() << "'\nTry 'zentara-cli --help'.\n";
    return ExitUsage;
  }

  try {
    app.parse(std::vector<std::string>(words.rbegin(), words.rend()));  // CLI11 takes them last first
  } catch (const CLI::ParseError& error) {
    if (error.get_exit_code() == static_cast<int>(CLI::ExitCodes::Success)) {  // --help, --version
      app.exit(error, io.out, io.err);
      return AfterOutputFlushed(ExitSuccess, "zentara-cli", io);
    }
    // Words before the subcommand are the program's own options.
    const std::string who = IsCommandName(words.front()) ? "zentara-cli " + words.front() : "zentara-cli";
    io.err << who << ": " << error.what() << "\nTry '" << who << " --help'.\n";
    return ExitUsage;
  }

  for (const auto& [subcommand, action] : actions) {
    if (!subcommand->parsed()) continue;
    try {
      return AfterOutputFlushed(action(), "zentara-cli " + subcommand->get_name(), io);
    } catch (const std::exception& error) {  // nothing foreseen throws; say so rather than abort
      io.err << "zentara-cli " << subcommand->get_name() << ": " << error.what() << "\n";
      return ExitUsage;
    }
  }
  return ExitUsage;  // require_subcommand(1) leaves no way here
}

}  // namespace zentara::cli
