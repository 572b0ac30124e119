#include "book/people_search.h"

#include "astro/places/fold_text.h"

namespace zentara::book {

PeopleSearch::PeopleSearch(const std::vector<PersonSummary>& people) {
  for (const PersonSummary& person : people) {
    all_.ids.push_back(person.id);
    all_.texts += person.search;
    all_.ends.push_back(static_cast<std::uint32_t>(all_.texts.size()));
  }
}

std::vector<std::uint32_t> PeopleSearch::Filter(std::string_view query) const {
  const std::string folded = places::FoldForSearch(query);
  std::vector<std::string_view> words;
  for (std::size_t at = 0; at < folded.size();) {
    const std::size_t end = std::min(folded.find(' ', at), folded.size());
    words.push_back(std::string_view(folded).substr(at, end - at));
    at = end + 1;
  }
  std::vector<std::uint32_t> found;
  found.reserve(words.empty() ? all_.ids.size() : 64);
  const std::string_view texts = all_.texts;
  std::uint32_t start = 0;
  for (std::uint32_t i = 0; i < all_.ids.size(); start = all_.ends[i++]) {
    const std::string_view text = texts.substr(start, all_.ends[i] - start);
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
