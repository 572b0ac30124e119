#include "astro/match/lookup_sentences.h"

namespace zentara {

namespace {

// `format` with %1 ... %9 replaced by `args` and %n by `count`, in one pass so
// that an argument holding "%2" stays as it is.
std::string Filled(const char* format, const std::vector<std::string>& args, int count) {
  std::string text;
  for (const char* at = format; *at != '\0'; ++at) {
    if (at[0] == '%' && at[1] >= '1' && at[1] <= '9' && static_cast<std::size_t>(at[1] - '1') < args.size()) {
      text += args[static_cast<std::size_t>(at[1] - '1')];
      ++at;
    } else if (at[0] == '%' && at[1] == 'n' && count >= 0) {
      text += std::to_string(count);
      ++at;
    } else {
      text += *at;
    }
  }
  return text;
}

}  // namespace

std::string EnglishText(const std::vector<Sentence>& sentences) {
  std::string text;
  for (const Sentence& sentence : sentences) {
    if (!text.empty()) text += ' ';
    const char* format = sentence.Count == 1 && sentence.Singular ? sentence.Singular : sentence.Format;
    text += Filled(format, sentence.Args, sentence.Count);
  }
  return text;
}

}  // namespace zentara
