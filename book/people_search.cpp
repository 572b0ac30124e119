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

SearchWords::SearchWords(std::string_view query) : folded_(places::FoldForSearch(query)) {
  for (std::size_t at = 0; at < folded_.size();) {
    const std::size_t end = std::min(folded_.find(' ', at), folded_.size());
    words_.push_back(std::string_view(folded_).substr(at, end - at));
    at = end + 1;
  }
}

bool SearchWords::Matches(std::string_view text) const {
  for (const std::string_view word : words_) {
    if (text.find(word) == std::string_view::npos) return false;
  }
  return true;
}

std::vector<std::uint32_t> PeopleSearch::Filter(std::string_view query) const {
  const SearchWords words(query);
  std::vector<std::uint32_t> found;
  found.reserve(query.empty() ? all_.ids.size() : 64);
  const std::string_view texts = all_.texts;
  std::uint32_t start = 0;
  for (std::uint32_t i = 0; i < all_.ids.size(); start = all_.ends[i++]) {
    if (words.Matches(texts.substr(start, all_.ends[i] - start))) found.push_back(i);
  }
  return found;
}

}  // namespace zentara::book
