// zentara-cli texts: the whole compatibility table, one key a line in ascending
// order, the key and its paragraph separated by a tab.
#include <iostream>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "numerology/compatibility_texts.h"

namespace zentara::cli {

int RunTexts(const CommandArguments& args) {
  if (!args.empty()) throw UsageError("takes no options or arguments, got: " + args.front());
  for (const CompatibilityText& row : CompatibilityTexts()) {
    std::cout << row.key << '\t' << row.text << '\n';
  }
  return ExitSuccess;
}

}  // namespace zentara::cli
