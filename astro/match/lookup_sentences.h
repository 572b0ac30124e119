// Sentences the desktop shows, as their parts (the look-up window's, the
// wheel's words for a screen reader): an English sentence with
// placeholders (%1, %2 ... and %n for a count), marked for translation, and
// the texts and count that fill it. The command line and the tests read them
// in English (EnglishText); the desktop translates each sentence whole and
// then fills it, so no language has to follow English word order or English
// plurals.
#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace zentara {

// The context the sentences are translated in.
inline constexpr const char* LookupContext = "PlaceLookup";

struct Sentence {
  const char* Format = "";      // English; %1... for Args, %n for Count
  const char* Singular = nullptr;  // English for a count of one, where Format has %n
  int Count = -1;               // the %n, or -1 for none
  std::vector<std::string> Args;
  // The context each argument is translated in ("Points" for "Sun"), or
  // nullptr for one shown as it is; none for all shown as they are.
  std::vector<const char*> ArgContexts = {};
};

// `format` with %1 ... %9 replaced by `args` and %n by `count` (none when
// negative), in one pass, so that an argument holding "%2" stays as it is.
std::string FilledText(std::string_view format, const std::vector<std::string>& args, int count);

// The sentences in English, each filled, separated by spaces.
std::string EnglishText(const std::vector<Sentence>& sentences);

}  // namespace zentara
