#include "cli/arguments.h"

#include <algorithm>

namespace zentara::cli {

Arguments::Arguments(const std::vector<std::string>& args,
                     std::initializer_list<std::string> valueOptions,
                     std::initializer_list<std::string> flags) {
  const auto takesValue = [&](const std::string& name) {
    return std::find(valueOptions.begin(), valueOptions.end(), name) != valueOptions.end();
  };
  const auto isFlag = [&](const std::string& name) {
    return std::find(flags.begin(), flags.end(), name) != flags.end();
  };
  for (std::size_t i = 0; i < args.size(); ++i) {
    std::string word = args[i];
    std::optional<std::string> inlineValue;
    if (const auto eq = word.find('='); word.rfind("--", 0) == 0 && eq != std::string::npos) {
      inlineValue = word.substr(eq + 1);
      word.resize(eq);
    }
    if (isFlag(word) && !inlineValue) {
      flags_.insert(word);
    } else if (takesValue(word)) {
      if (values_.count(word)) throw UsageError("option " + word + " is given twice");
      if (inlineValue) {
        values_[word] = *inlineValue;
      } else if (i + 1 < args.size()) {
        values_[word] = args[++i];
      } else {
        throw UsageError("option " + word + " needs a value");
      }
    } else {
      throw UsageError("unknown option or argument: " + args[i]);
    }
  }
}

std::optional<std::string> Arguments::value(const std::string& name) const {
  const auto it = values_.find(name);
  if (it == values_.end()) return std::nullopt;
  return it->second;
}

std::string Arguments::required(const std::string& name) const {
  const auto found = value(name);
  if (!found) throw UsageError("missing option " + name);
  return *found;
}

}  // namespace zentara::cli
