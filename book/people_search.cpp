#include "book/people_search.h"

#include "astro/places/fold_text.h"

namespace zentara::book {

std::vector<std::uint32_t> PeopleSearch::Filter(std::string_view query) const {
  const std::string folded = places::FoldForSearch(query);
  std::vector<std::string_view> words;
  for (std::size_t at = 0; at < folded.size();) {
    const std::size_t end = std::min(folded.find(' ', at), folded.size());
    words.push_back(std::string_view(folded).substr(at, end - at));
    at = end + 1;
  }
  std::vector<std::uint32_t> found;
  found.reserve(words.empty() ? people_.size() : 64);
  for (std::uint32_t i = 0; i < people_.size(); ++i) {
    const std::string_view text = people_[i].search;
    bool all = true;
    for (const std::string_view word : words) {
      if (text.find(word) == std::string_view::npos) {
        all = false;
        break;
      }
    }
    if (all) found.push_back(i);
  }
  return found;
}

}  // namespace zentara::book
