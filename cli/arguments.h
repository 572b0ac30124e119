// Command-line parsing shared by every subcommand of zentara-cli.
//
// Conventions: the subcommand comes first; options are "--name value" or
// "--name=value"; flags stand alone ("--json"). Anything else is a usage error.
#pragma once
#include <initializer_list>
#include <map>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace zentara::cli {

// Exit statuses of every subcommand.
inline constexpr int ExitSuccess = 0;
inline constexpr int ExitRefused = 1;  // the entries fail the program's own checks
inline constexpr int ExitUsage = 2;    // the command line itself is wrong

// A command line that cannot be understood; what() is the plain explanation.
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class Arguments {
 public:
  // Parses `args` (the words after the subcommand). `valueOptions` take a value,
  // `flags` do not; both are written with their leading "--".
  Arguments(const std::vector<std::string>& args, std::initializer_list<std::string> valueOptions,
            std::initializer_list<std::string> flags);

  bool flag(const std::string& name) const { return flags_.count(name) > 0; }
  // The value given, or nothing when the option is absent.
  std::optional<std::string> value(const std::string& name) const;
  // The value given, or UsageError naming the missing option.
  std::string required(const std::string& name) const;

 private:
  std::map<std::string, std::string> values_;
  std::set<std::string> flags_;
};

}  // namespace zentara::cli
