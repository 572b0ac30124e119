// The People window's list: everyone in the book, filtered as the user types.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "book/book.h"

namespace zentara::book {

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
