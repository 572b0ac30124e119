#include "cli/completion/completion_tables.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <cctype>
#include <map>
#include <vector>

#include "astro/engine/houses/house_system.h"
#include "astro/match/zone_list.h"

namespace zentara::cli {

namespace {

bool StartsWith(std::string_view text, std::string_view start) { return text.substr(0, start.size()) == start; }

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
  return text;
}

std::string Joined(const std::vector<std::string>& words, char separator = ' ') {
  std::string joined;
  for (const std::string& word : words) joined += (joined.empty() ? "" : std::string(1, separator)) + word;
  return joined;
}

// The rows of the time-zone list, as `zentara-cli zones` numbers them.
std::string ZoneRows() {
  std::vector<std::string> rows;
  for (std::size_t row = 0; row < TimeZoneRowCount; ++row) rows.push_back(std::to_string(row));
  return "words:" + Joined(rows);
}

// The house systems' names, as --houses takes them.
std::string HouseSystems() {
  std::vector<std::string> names;
  for (const HouseSystem system : AllHouseSystems) names.emplace_back(HouseSystemName(system));
  return "words:" + Joined(names);
}

// A type written as small words between bars, such as "j2000|date".
bool IsWordChoice(const std::string& type) {
  const auto small = [](char c) { return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '|' || c == '-'; };
  return type.find('|') != std::string::npos && std::all_of(type.begin(), type.end(), small);
}

// What is offered for an option's value or an argument, from its names and the
// type its help shows: a zone row after --zone (and --male-zone, ...), the
// house systems after --houses, the words of a type written {a,b,c} or
// a|b|c, file names where the type or the argument's name says FILE
// (FILE.csv: names ending in .csv).
std::string ValueKind(const CLI::Option& option) {
  const std::string type = option.get_type_name().substr(0, option.get_type_name().find(':'));
  for (const std::string& name : option.get_lnames()) {
    if (name == "zone" || name.ends_with("-zone")) return ZoneRows();
    if (name == "houses") return HouseSystems();
  }
  if (type.size() > 2 && type.front() == '{' && type.back() == '}') {
    std::string words = type.substr(1, type.size() - 2);
    std::replace(words.begin(), words.end(), ',', ' ');
    return "words:" + words;
  }
  if (IsWordChoice(type)) {
    std::string words = type;
    std::replace(words.begin(), words.end(), '|', ' ');
    return "words:" + words;
  }
  const std::string file = StartsWith(type, "FILE") ? type : Lower(option.get_name(true)) == "file" ? "FILE" : "";
  if (file.empty()) return "";
  if (file.size() > 5 && file[4] == '.') {  // FILE.csv, FILE.csv|-
    const std::string extension = file.substr(5, file.find('|') - 5);
    return "files:" + extension;
  }
  return "files";
}

// A word as a bash word in double quotes.
std::string Quoted(const std::string& text) {
  std::string quoted = "\"";
  for (const char c : text) {
    if (c == '"' || c == '\\' || c == '$' || c == '`') quoted += '\\';
    quoted += c;
  }
  return quoted + "\"";
}

struct Tables {
  std::map<std::string, std::string> subcommands, options, values;
};

void AddCommand(const CLI::App& command, const std::string& path, Tables& tables) {
  std::vector<std::string> names;
  std::size_t argument = 0;
  for (const CLI::Option* option : command.get_options()) {
    if (option->get_group().empty()) continue;  // hidden from the help, so from the completion too
    if (!option->nonpositional()) {
      ++argument;
      const bool takesTheRest = option->get_items_expected_max() > 1;
      tables.values[path + " " + std::to_string(argument) + (takesTheRest ? "..." : "")] = ValueKind(*option);
      continue;
    }
    std::vector<std::string> optionNames;
    for (const std::string& name : option->get_snames()) optionNames.push_back("-" + name);
    for (const std::string& name : option->get_lnames()) optionNames.push_back("--" + name);
    for (const std::string& name : optionNames) {
      names.push_back(name);
      if (option->get_expected_max() > 0) tables.values[path + " " + name] = ValueKind(*option);
    }
  }
  tables.options[path] = Joined(names);

  std::vector<std::string> subcommandNames;
  for (const CLI::App* subcommand : command.get_subcommands([](const CLI::App*) { return true; })) {
    subcommandNames.push_back(subcommand->get_name());
    AddCommand(*subcommand, path + " " + subcommand->get_name(), tables);
  }
  if (!subcommandNames.empty()) tables.subcommands[path] = Joined(subcommandNames);
}

std::string Declaration(const std::string& name, const std::map<std::string, std::string>& table) {
  std::string text = "declare -gA " + name + "=(\n";
  for (const auto& [key, value] : table) text += "  [" + Quoted(key) + "]=" + Quoted(value) + "\n";
  return text + ")\n";
}

}  // namespace

std::string CompletionTables(const CLI::App& app) {
  Tables tables;
  AddCommand(app, app.get_name(), tables);
  return Declaration("_zentara_cli_subcommands", tables.subcommands) +
         Declaration("_zentara_cli_options", tables.options) + Declaration("_zentara_cli_values", tables.values);
}

}  // namespace zentara::cli
