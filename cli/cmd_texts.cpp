// zentara-cli texts: the whole compatibility table in ascending key order, one
// key a line with its paragraph after a tab, or with --json one array of
// {"key", "text"} objects.
#include <CLI/CLI.hpp>
#include <memory>
#include <ostream>
#include <string>

#include "cli/commands.h"
#include "cli/exit_status.h"
#include "cli/json_text.h"
#include "numerology/compatibility_texts.h"

namespace zentara::cli {

CommandAction DefineTexts(CLI::App& command, Streams io) {
  auto json = std::make_shared<bool>(false);
  command.add_flag("--json", *json, "one JSON array instead of text");
  return [json, io] {
    Json rows = Json::array();
    for (const CompatibilityText& row : CompatibilityTexts()) {
      if (*json) {
        rows.push_back({{"key", std::to_string(row.key)}, {"text", std::string(row.text)}});
      } else {
        io.out << row.key << '\t' << row.text << '\n';
      }
    }
    if (*json) io.out << JsonText(rows) << "\n";
    return ExitSuccess;
  };
}

}  // namespace zentara::cli
