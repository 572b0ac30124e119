#include "astro/match/lookup_sentences.h"

namespace zentara {

std::string FilledText(std::string_view format, const std::vector<std::string>& args, int count) {
  std::string text;
  for (std::size_t i = 0; i < format.size(); ++i) {
    const char* at = format.data() + i;
    const char next = i + 1 < format.size() ? at[1] : '\0';
    if (at[0] == '%' && next >= '1' && next <= '9' && static_cast<std::size_t>(next - '1') < args.size()) {
      text += args[static_cast<std::size_t>(next - '1')];
      ++i;
    } else if (at[0] == '%' && next == 'n' && count >= 0) {
      text += std::to_string(count);
      ++i;
    } else {
      text += *at;
    }
  }
  return text;
}

std::string EnglishText(const std::vector<Sentence>& sentences) {
  std::string text;
  for (const Sentence& sentence : sentences) {
    if (!text.empty()) text += ' ';
    const char* format = sentence.Count == 1 && sentence.Singular ? sentence.Singular : sentence.Format;
    text += FilledText(format, sentence.Args, sentence.Count);
  }
  return text;
}

}  // namespace zentara
