// The names nearest to one nothing matches, from the atlas's sorted near
// names (atlas_format.h).
#include <unicode/utf8.h>

#include <algorithm>
#include <climits>
#include <set>
#include <tuple>

#include "astro/places/atlas.h"
#include "astro/places/edit_distance.h"

namespace zentara::places {

std::vector<std::string> Atlas::SuggestNames(const PlaceQuery& query, std::size_t limit) const {
  const auto [name, narrowing] = Parse(query);
  const std::size_t characters = CharacterCount(name);
  const unsigned allowed = EditsAllowed(characters);
  // A name longer than every near name by more than the edits allowed is near
  // none, and is not walked: each step of the walk costs a step for each of
  // its characters.
  if (allowed == 0 || characters > atlas_file::LongestNearName + allowed || narrowing.AllowsNone()) return {};

  // The near names within the edits allowed. Sorted names that begin alike
  // lie together, so they are walked as a tree of their beginnings, a
  // character at a time: a beginning already too far from the query rules out
  // every name that starts with it.
  struct Near {
    unsigned distance;
    std::string_view name;
  };
  std::vector<Near> near;
  EditDistanceRows rows(name);
  // nearNames_[first, last) all begin with the same `depth` bytes, those pushed.
  const auto walk = [&](const auto& self, std::size_t first, std::size_t last, std::size_t depth) -> void {
    if (Text(nearNames_[first]).size() == depth) {
      if (rows.Distance() <= allowed) near.push_back({rows.Distance(), Text(nearNames_[first])});
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
      auto at = static_cast<std::int32_t>(depth);
      UChar32 character = 0;
      const auto length = static_cast<std::int32_t>(std::min<std::size_t>(text.size(), INT32_MAX));
      U8_NEXT(reinterpret_cast<const std::uint8_t*>(text.data()), at, length, character);
      const std::string_view beginning = text.substr(0, static_cast<std::size_t>(at));
      const auto end = std::partition_point(nearNames_.begin() + static_cast<std::ptrdiff_t>(first),
                                            nearNames_.begin() + static_cast<std::ptrdiff_t>(last),
                                            [&](atlas_file::TextRef other) {
                                              return Text(other).substr(0, beginning.size()) == beginning;
                                            });
      const auto next = static_cast<std::size_t>(end - nearNames_.begin());
      rows.Push(character < 0 ? U'\uFFFD' : static_cast<char32_t>(character));
      if (rows.Bound() <= allowed && beginning.size() <= atlas_file::LongestNearName) {
        self(self, first, next, beginning.size());
      }
      rows.Pop();
      first = next;
    }
  };
  if (!nearNames_.empty()) walk(walk, 0, nearNames_.size(), 0);

  // Each near name with the largest place listed under it that the query lets
  // through, the nearest first, then the most populous.
  struct Offer {
    unsigned distance;
    std::uint32_t population;
    std::uint32_t place;
  };
  std::vector<Offer> offers;
  for (const Near& n : near) {
    const auto first = std::lower_bound(keys_.begin(), keys_.end(), n.name,
                                        [&](const atlas_file::KeyRecord& k, std::string_view w) { return Text(k.key) < w; });
    const auto last = std::upper_bound(first, keys_.end(), n.name,
                                       [&](std::string_view w, const atlas_file::KeyRecord& k) { return w < Text(k.key); });
    const atlas_file::KeyRecord* best = nullptr;
    for (auto k = first; k != last; ++k) {
      if (k->place < places_.size() && narrowing.Allows(places_[k->place]) &&
          (best == nullptr || places_[k->place].population > places_[best->place].population)) {
        best = &*k;
      }
    }
    if (best != nullptr) offers.push_back({n.distance, places_[best->place].population, best->place});
  }
  std::sort(offers.begin(), offers.end(), [](const Offer& a, const Offer& b) {
    return std::tie(a.distance, b.population, a.place) < std::tie(b.distance, a.population, b.place);
  });
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
