// "--name=" is an empty value, exactly as "--name" "" is, for every option that
// takes a value in every subcommand, and it never takes the next word as its
// value. The options are read from the subcommands themselves, so one added
// later is covered without a new row.
#include <CLI/CLI.hpp>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "cli/commands.h"

namespace {

using Words = std::vector<std::string>;

struct Outcome {
  int status;
  std::string out, err;
  bool operator==(const Outcome&) const = default;
};

Outcome RunCliOn(const Words& words) {
  std::ostringstream out, err;
  const int status = zentara::cli::RunCli(words, {out, err});
  return {status, out.str(), err.str()};
}

std::string Show(const Words& words) {
  std::string shown = "zentara-cli";
  for (const std::string& word : words) shown += " '" + word + "'";
  return shown;
}

// This process's own: the tests run in parallel, and each removes its folder.
const std::filesystem::path Folder =
    std::filesystem::temp_directory_path() / ("zentara_empty_value_test-" + std::to_string(::getpid()));

// A command line that succeeds for each subcommand, as option and value pairs
// (a flag has an empty value; a word without dashes is an argument).
const std::map<std::string, std::vector<std::pair<std::string, std::string>>> Succeeding = {
    {"numbers", {{"--male-first", "John"}, {"--male-last", "Smith"}, {"--male-month", "May"}, {"--male-day", "3"},
                 {"--male-year", "1980"}, {"--female-first", "Mary"}, {"--female-last", "Jones"},
                 {"--female-month", "June"}, {"--female-day", "9"}, {"--female-year", "1982"}, {"--json", ""}}},
    {"chart", {{"--date", "1975-08-15"}, {"--time", "14:30"}, {"--zone", "34"}, {"--lat", "28N36"},
               {"--lon", "77E13"}, {"--json", ""}}},
    {"place", {{"Springfield", ""}, {"--date", "1943-06-01"}, {"--time", "12:00"}, {"--json", ""}}},
    {"match", {{"--male-date", "1975-08-15"}, {"--male-time", "14:30"}, {"--male-zone", "34"},
               {"--male-lat", "28N36"}, {"--male-lon", "77E13"}, {"--female-date", "1977-03-02"},
               {"--female-time", "06:15"}, {"--female-zone", "27"}, {"--female-lat", "40N42"},
               {"--female-lon", "74W00"}, {"--json", ""}}},
};

// The subcommand's succeeding words without `option`, or none where the table has no row.
Words SucceedingWithout(const std::string& subcommand, const std::string& option) {
  Words words;
  const auto row = Succeeding.find(subcommand);
  if (row == Succeeding.end()) return words;
  for (const auto& [name, value] : row->second) {
    if (name == option) continue;
    words.push_back(name);
    if (!value.empty()) words.push_back(value);
  }
  return words;
}

TEST(EmptyOptionValue, IsTheSameAsAnEmptyWordForEveryValueOption) {
  std::filesystem::create_directories(Folder);
  setenv("HOME", Folder.c_str(), 1);  // nothing a subcommand writes lands in the user's files
  CLI::App app;
  std::ostringstream sink;
  for (const zentara::cli::Command& command : zentara::cli::AllCommands()) {
    CLI::App* subcommand = app.add_subcommand(std::string(command.name));
    command.define(*subcommand, {sink, sink});
  }
  int checked = 0;
  for (const CLI::App* subcommand : app.get_subcommands({})) {
    const std::string name = subcommand->get_name();
    for (const CLI::Option* option : subcommand->get_options()) {
      if (option->get_positional() || option->get_type_size() <= 0) continue;  // flags and arguments
      const std::string spelt = "--" + option->get_single_name();
      Words base = {name};
      if (name == "numbers" || name == "reading" || name == "save") {
        const Words entries = SucceedingWithout("numbers", spelt);
        if (name == "reading") base.push_back("lifepath");
        if (name == "save") base.push_back((Folder / "pair.kvz").string());
        base.insert(base.end(), entries.begin(), entries.end() - (name == "numbers" ? 0 : 1));  // --json is numbers' own
      } else {
        const Words rest = SucceedingWithout(name, spelt);
        base.insert(base.end(), rest.begin(), rest.end());
      }
      // The empty value comes right after the subcommand, so the word it must
      // not take is the first of a command line that succeeds.
      Words asTwoWords = base, withEquals = base;
      asTwoWords.insert(asTwoWords.begin() + 1, {spelt, ""});
      withEquals.insert(withEquals.begin() + 1, spelt + "=");
      const Outcome expected = RunCliOn(asTwoWords);
      const Outcome actual = RunCliOn(withEquals);
      EXPECT_TRUE(actual == expected) << Show(withEquals) << "\nshould do what " << Show(asTwoWords)
                                      << " does.\nExpected: exit " << expected.status << "\n" << expected.out
                                      << expected.err << "\nActual: exit " << actual.status << "\n" << actual.out
                                      << actual.err;
      ++checked;
    }
  }
  EXPECT_GE(checked, 40) << "the subcommands' value options were not all found";
  std::filesystem::remove_all(Folder);
}

// The split is for options only: after "--" a word ending in "=" is an argument,
// here the name of the file save writes.
TEST(EmptyOptionValue, WordsAfterTheSeparatorAreArguments) {
  std::filesystem::create_directories(Folder);
  const auto here = std::filesystem::current_path();
  std::filesystem::current_path(Folder);
  Words words = {"save"};
  const Words entries = SucceedingWithout("numbers", "--json");
  words.insert(words.end(), entries.begin(), entries.end());
  words.insert(words.end(), {"--", "--pair="});
  const Outcome saved = RunCliOn(words);
  std::filesystem::current_path(here);
  EXPECT_EQ(saved, (Outcome{0, "--pair=.kvz\n", ""})) << Show(words) << "\n" << saved.out << saved.err;
  EXPECT_TRUE(std::filesystem::is_regular_file(Folder / "--pair=.kvz"));
  std::filesystem::remove_all(Folder);
}

}  // namespace
