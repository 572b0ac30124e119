// The names nearest to one nothing matches, from the atlas's sorted near
// names (atlas_format.h).
#include <unicode/utf8.h>

#include <algorithm>
#include <climits>
#include <optional>
#include <set>
#include <tuple>

#include "astro/places/atlas.h"
#include "astro/places/edit_distance.h"

namespace zentara::places {

namespace {

// The character that starts at byte `at` of `text` (U+FFFD for an ill-formed
// sequence), and the byte after it.
std::pair<char32_t, std::size_t> NextCharacter(std::string_view text, std::size_t at) {
  auto next = static_cast<std::int32_t>(at);
  UChar32 character = 0;
  const auto length = static_cast<std::int32_t>(std::min<std::size_t>(text.size(), INT32_MAX));
  U8_NEXT(reinterpret_cast<const std::uint8_t*>(text.data()), next, length, character);
  return {character < 0 ? U'\uFFFD' : static_cast<char32_t>(character), static_cast<std::size_t>(next)};
}

}  // namespace

struct Atlas::NearName {
  unsigned distance;
  std::string_view name;
};

// The walk through the near names: the distances from the query to the
// beginning walked so far, and the near names found.
struct Atlas::NearNameWalk {
  EditDistanceRows rows;
  unsigned allowed;
  std::vector<NearName> found;
};

struct Atlas::Offer {
  unsigned distance;
  std::uint32_t population;
  std::uint32_t place;
};

std::vector<std::string> Atlas::SuggestNames(const PlaceQuery& query, std::size_t limit) const {
  const auto [name, narrowing] = Parse(query);
  const std::size_t characters = CharacterCount(name);
  const unsigned allowed = EditsAllowed(characters);
  // A name longer than every near name by more than the edits allowed is near
  // none, and is not walked: each step of the walk costs a step for each of
  // its characters.
  if (allowed == 0 || characters > atlas_file::LongestNearName + allowed || narrowing.AllowsNone()) return {};
  return NamesOffered(Offers(NearNamesWithin(name, allowed), narrowing), limit);
}

// Sorted names that begin alike lie together, so they are walked as a tree of
// their beginnings, a character at a time: a beginning already too far from
// the query rules out every name that starts with it.
std::vector<Atlas::NearName> Atlas::NearNamesWithin(std::string_view folded, unsigned allowed) const {
  NearNameWalk walk{EditDistanceRows(folded), allowed, {}};
  if (!nearNames_.empty()) WalkNearNames(walk, 0, nearNames_.size(), 0);
  return walk.found;
}

// nearNames_[first, last) all begin with the same `depth` bytes, those pushed.
void Atlas::WalkNearNames(NearNameWalk& walk, std::size_t first, std::size_t last, std::size_t depth) const {
  if (Text(nearNames_[first]).size() == depth) {
    if (walk.rows.Distance() <= walk.allowed) walk.found.push_back({walk.rows.Distance(), Text(nearNames_[first])});
    ++first;
  }
  while (first < last) {
    const std::string_view text = Text(nearNames_[first]);
    // In a sorted file every name after the first is longer than the
    // beginning walked so far; one that is not (a damaged file) is passed.
    if (text.size() <= depth) {
      ++first;
      continue;
    }
    const auto [character, end] = NextCharacter(text, depth);
    const std::string_view beginning = text.substr(0, end);
    const std::size_t next = EndOfNamesBeginning(beginning, first, last);
    walk.rows.Push(character);
    if (walk.rows.Bound() <= walk.allowed && beginning.size() <= atlas_file::LongestNearName) {
      WalkNearNames(walk, first, next, beginning.size());
    }
    walk.rows.Pop();
    first = next;
  }
}

// The end of the near names from nearNames_[first] on, before `last`, that
// begin with `beginning`.
std::size_t Atlas::EndOfNamesBeginning(std::string_view beginning, std::size_t first, std::size_t last) const {
  const auto end = std::partition_point(
      nearNames_.begin() + static_cast<std::ptrdiff_t>(first), nearNames_.begin() + static_cast<std::ptrdiff_t>(last),
      [&](atlas_file::TextRef other) { return Text(other).substr(0, beginning.size()) == beginning; });
  return static_cast<std::size_t>(end - nearNames_.begin());
}

// The largest place with the search key `key` that `narrowing` lets through;
// the first in the keys of equally large ones.
std::optional<std::uint32_t> Atlas::LargestPlaceNamed(std::string_view key, const Narrowing& narrowing) const {
  const auto first =
      std::lower_bound(keys_.begin(), keys_.end(), key,
                       [&](const atlas_file::KeyRecord& k, std::string_view w) { return Text(k.key) < w; });
  const auto last =
      std::upper_bound(first, keys_.end(), key,
                       [&](std::string_view w, const atlas_file::KeyRecord& k) { return w < Text(k.key); });
  std::optional<std::uint32_t> largest;
  for (auto k = first; k != last; ++k) {
    if (k->place < places_.size() && narrowing.Allows(places_[k->place]) &&
        (!largest || places_[k->place].population > places_[*largest].population)) {
      largest = k->place;
    }
  }
  return largest;
}

// Each near name with the largest place listed under it that the query lets
// through, the nearest first, then the most populous.
std::vector<Atlas::Offer> Atlas::Offers(const std::vector<NearName>& near, const Narrowing& narrowing) const {
  std::vector<Offer> offers;
  for (const NearName& n : near) {
    if (const auto place = LargestPlaceNamed(n.name, narrowing)) {
      offers.push_back({n.distance, places_[*place].population, *place});
    }
  }
  std::sort(offers.begin(), offers.end(), [](const Offer& a, const Offer& b) {
    return std::tie(a.distance, b.population, a.place) < std::tie(b.distance, a.population, b.place);
  });
  return offers;
}

// The offered places' names as they spell them, each once, at most `limit`.
std::vector<std::string> Atlas::NamesOffered(const std::vector<Offer>& offers, std::size_t limit) const {
  std::vector<std::string> names;
  std::set<std::string_view> given;
  for (const Offer& offer : offers) {
    if (names.size() == limit) break;
    const std::string_view spelt = Text(places_[offer.place].name);
    if (!spelt.empty() && given.insert(spelt).second) names.emplace_back(spelt);  // empty only in a damaged file
  }
  return names;
}

}  // namespace zentara::places
