// The JSON that zentara-cli writes, through nlohmann-json: objects keep their
// keys in the order they are set, nothing is indented and no spaces are added.
#pragma once
#include <nlohmann/json.hpp>
#include <string>

namespace zentara::cli {

using Json = nlohmann::ordered_json;

// `value` on one line. Bytes that are not UTF-8 become U+FFFD rather than
// failing, so whatever an entry holds, the output is still JSON.
std::string JsonText(const Json& value);

// A double as the JSON output writes it, the shortest form that reads back to
// the same value with ".0" kept on whole numbers ("9.0", "-8905.125"); the text
// output uses it too so both agree.
std::string NumberText(double value);

}  // namespace zentara::cli
