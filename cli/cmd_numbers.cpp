// zentara-cli numbers: both partners' life path and destiny numbers, the keys and
// the paragraphs, from the twelve entries of the numerology form.
#include <CLI/CLI.hpp>
#include <memory>
#include <ostream>

#include "cli/commands.h"
#include "cli/entry_options.h"
#include "cli/exit_status.h"
#include "cli/json_text.h"
#include "cli/person_options.h"
#include "numerology/pair_numbers.h"

namespace zentara::cli {

namespace {

struct NumbersOptions {
  NumerologyEntries entries;
  PersonOptions people;
  bool json = false;
};

int RunNumbers(const NumbersOptions& options, Streams io) {
  NumerologyEntries entries = options.entries;
  if (const auto status = CompleteNumerologyEntries(options.people, entries, "zentara-cli numbers", io)) return *status;

  const LifePathPair lifePath = FindLifePathPair(entries);
  const DestinyPair destiny = FindDestinyPair(entries);
  if (options.json) {
    const Json result = {
        {"male", {{"life_path", lifePath.MaleLifePath}, {"destiny", destiny.MaleDestiny}}},
        {"female", {{"life_path", lifePath.FemaleLifePath}, {"destiny", destiny.FemaleDestiny}}},
        {"life_path_key", lifePath.LifePathKey},
        {"destiny_key", destiny.DestinyKey},
        {"life_path_text", lifePath.LifePathText},
        {"destiny_text", destiny.DestinyText},
    };
    io.out << JsonText(result) << "\n";
    return ExitSuccess;
  }
  io.out << "Male life path: " << lifePath.MaleLifePath << "\n"
         << "Male destiny: " << destiny.MaleDestiny << "\n"
         << "Female life path: " << lifePath.FemaleLifePath << "\n"
         << "Female destiny: " << destiny.FemaleDestiny << "\n"
         << "Life path key: " << lifePath.LifePathKey << "\n"
         << "Life path text: " << lifePath.LifePathText << "\n"
         << "Destiny key: " << destiny.DestinyKey << "\n"
         << "Destiny text: " << destiny.DestinyText << "\n";
  return ExitSuccess;
}

}  // namespace

CommandAction DefineNumbers(CLI::App& command, Streams io) {
  auto options = std::make_shared<NumbersOptions>();
  AddEntryOptions(command, options->entries);
  AddPartnerPersonOptions(command, options->people);
  command.add_flag("--json", options->json, "one JSON object instead of text");
  return [options, io] { return RunNumbers(*options, io); };
}

}  // namespace zentara::cli
