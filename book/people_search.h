// The People window's list: everyone in the book, filtered as the user types.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "book/book.h"

namespace zentara::book {

// The words of a search, folded as the atlas folds names (case, accents and
// punctuation do not matter), and whether a person's search text holds them all.
class SearchWords {
 public:
  explicit SearchWords(std::string_view query);
  SearchWords(const SearchWords&) = delete;  // its words point into its own text
  SearchWords& operator=(const SearchWords&) = delete;
  // `text` is a PersonSummary's search text; every text matches no words.
  bool Matches(std::string_view text) const;

 private:
  std::string folded_;
  std::vector<std::string_view> words_;  // into folded_
};

class PeopleSearch {
 public:
  explicit PeopleSearch(SearchTexts texts) : all_(std::move(texts)) {}
  // Over the search texts of a list of summaries, in its order.
  explicit PeopleSearch(const std::vector<PersonSummary>& people);

  std::size_t Size() const { return all_.ids.size(); }
  std::int64_t IdAt(std::uint32_t position) const { return all_.ids[position]; }

  // The positions of those whose names, place or note hold every word of
  // `query` (folded as the atlas folds names: case, accents and punctuation do
  // not matter), in list order; everyone for an empty query.
  std::vector<std::uint32_t> Filter(std::string_view query) const;

 private:
  SearchTexts all_;
};

}  // namespace zentara::book
