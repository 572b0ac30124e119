// The names nearest to one nothing matches, from the atlas's name tree
// (name_tree.h).
#include <algorithm>
#include <set>
#include <tuple>

#include "astro/places/atlas.h"
#include "astro/places/edit_distance.h"

namespace zentara::places {

namespace {

// How many edits a name of `characters` characters may be from one offered:
// few enough that a short name does not bring up half the atlas.
unsigned EditsAllowed(std::size_t characters) { return characters <= 2 ? 0 : characters <= 4 ? 1 : 2; }

std::size_t CharacterCount(std::string_view text) {
  return static_cast<std::size_t>(
      std::count_if(text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

}  // namespace

std::vector<std::string> Atlas::SuggestNames(const PlaceQuery& query, std::size_t limit) const {
  const auto [name, narrowing] = Parse(query);
  const unsigned allowed = EditsAllowed(CharacterCount(name));
  if (allowed == 0 || nameTree_.empty()) return {};

  // Every name of the tree within the edits allowed.
  struct Near {
    unsigned distance;
    std::uint32_t node;
  };
  std::vector<Near> near;
  std::vector<std::uint32_t> pending = {0};
  while (!pending.empty()) {
    const atlas_file::NameTreeRecord& node = nameTree_[pending.back()];
    const std::uint32_t index = pending.back();
    pending.pop_back();
    const unsigned distance = EditDistance(name, Text(node.name));
    if (distance <= allowed) near.push_back({distance, index});
    for (std::uint32_t child = node.firstChild; child < node.firstChild + node.childCount; ++child) {
      const unsigned edge = nameTree_[child].distance;
      if (edge + allowed >= distance && edge <= distance + allowed) pending.push_back(child);
    }
  }

  // Each near name with the largest place listed under it that the query lets
  // through, the nearest first, then the most populous.
  struct Offer {
    unsigned distance;
    std::uint32_t population;
    std::uint32_t place;
  };
  std::vector<Offer> offers;
  for (const Near& n : near) {
    const std::string_view key = Text(nameTree_[n.node].name);
    const auto first = std::lower_bound(keys_.begin(), keys_.end(), key,
                                        [&](const atlas_file::KeyRecord& k, std::string_view w) { return Text(k.key) < w; });
    const auto last = std::upper_bound(first, keys_.end(), key,
                                       [&](std::string_view w, const atlas_file::KeyRecord& k) { return w < Text(k.key); });
    const atlas_file::KeyRecord* best = nullptr;
    for (auto k = first; k != last; ++k) {
      if (narrowing.Allows(places_[k->place]) &&
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
    if (given.insert(spelt).second) names.emplace_back(spelt);
  }
  return names;
}

}  // namespace zentara::places
