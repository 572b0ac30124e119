// zentara-cli numbers: both partners' life path and destiny numbers, the keys and
// the paragraphs, from the twelve entries of the numerology form.
#include <iostream>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/json.h"
#include "numerology/numerology_entries.h"
#include "numerology/pair_numbers.h"

namespace zentara::cli {

int RunNumbers(const CommandArguments& args) {
  const Arguments parsed(args,
                         {"--male-first", "--male-middle", "--male-last", "--male-month", "--male-day",
                          "--male-year", "--female-first", "--female-middle", "--female-last",
                          "--female-month", "--female-day", "--female-year"},
                         {"--json"});
  // Each entry exactly as typed into the form; a missing option is an empty entry.
  const auto entry = [&](const char* name) { return parsed.value(name).value_or(""); };
  const NumerologyEntries entries{
      entry("--male-first"),   entry("--male-middle"),   entry("--male-last"),
      entry("--female-first"), entry("--female-middle"), entry("--female-last"),
      entry("--male-month"),   entry("--male-day"),      entry("--male-year"),
      entry("--female-month"), entry("--female-day"),    entry("--female-year"),
  };
  if (const auto failure = CheckNumerologyEntries(entries)) {
    std::cerr << failure->message << "\n";
    return ExitRefused;
  }

  const LifePathPair lifePath = FindLifePathPair(entries);
  const DestinyPair destiny = FindDestinyPair(entries);
  if (parsed.flag("--json")) {
    std::cout << "{\"male\":{\"life_path\":" << lifePath.MaleLifePath
              << ",\"destiny\":" << destiny.MaleDestiny << "},\"female\":{\"life_path\":"
              << lifePath.FemaleLifePath << ",\"destiny\":" << destiny.FemaleDestiny
              << "},\"life_path_key\":" << JsonString(lifePath.LifePathKey)
              << ",\"destiny_key\":" << JsonString(destiny.DestinyKey)
              << ",\"life_path_text\":" << JsonString(lifePath.LifePathText)
              << ",\"destiny_text\":" << JsonString(destiny.DestinyText) << "}\n";
    return ExitSuccess;
  }
  std::cout << "Male life path: " << lifePath.MaleLifePath << "\n"
            << "Male destiny: " << destiny.MaleDestiny << "\n"
            << "Female life path: " << lifePath.FemaleLifePath << "\n"
            << "Female destiny: " << destiny.FemaleDestiny << "\n"
            << "Life path key: " << lifePath.LifePathKey << "\n"
            << "Life path text: " << lifePath.LifePathText << "\n"
            << "Destiny key: " << destiny.DestinyKey << "\n"
            << "Destiny text: " << destiny.DestinyText << "\n";
  return ExitSuccess;
}

}  // namespace zentara::cli
