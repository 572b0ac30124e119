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
  explicit PeopleSearch(std::vector<PersonSummary> people) : people_(std::move(people)) {}

  const std::vector<PersonSummary>& People() const { return people_; }

  // The positions in People() of those whose names, place or note hold every
  // word of `query` (folded as the atlas folds names: case, accents and
  // punctuation do not matter), in list order; everyone for an empty query.
  std::vector<std::uint32_t> Filter(std::string_view query) const;

 private:
  std::vector<PersonSummary> people_;
};

}  // namespace zentara::book
