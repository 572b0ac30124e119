// The name search over the atlas's sorted keys.
#include <algorithm>

#include "astro/places/atlas.h"
#include "astro/places/fold_text.h"

namespace zentara::places {

namespace {

// True when one line of `lines` (lines separated by '\n') is `wanted`.
bool HasLine(std::string_view lines, std::string_view wanted) {
  while (!lines.empty()) {
    const std::size_t end = std::min(lines.find('\n'), lines.size());
    if (lines.substr(0, end) == wanted) return true;
    lines.remove_prefix(std::min(end + 1, lines.size()));
  }
  return false;
}

}  // namespace

std::vector<PlaceMatch> Atlas::Search(const PlaceQuery& query) const {
  const std::string name = FoldForSearch(query.name);
  if (name.empty()) return {};
  const std::string region = FoldForSearch(query.region);
  const std::string country = FoldForSearch(query.country);

  // Which countries and regions the place must lie in.
  std::vector<bool> countryAllowed(countries_.size(), true);
  if (!country.empty()) {
    for (std::size_t i = 0; i < countries_.size(); ++i) countryAllowed[i] = HasLine(Text(countries_[i].aliases), country);
  }
  std::vector<bool> regionAllowed(regions_.size(), true);
  if (!region.empty()) {
    for (std::size_t i = 0; i < regions_.size(); ++i) regionAllowed[i] = HasLine(Text(regions_[i].aliases), region);
  }

  // The keys that start with the name form one run of the sorted keys, and the
  // keys equal to it lead that run: a place's first key in the run is its best.
  const auto first = std::lower_bound(keys_.begin(), keys_.end(), std::string_view(name),
                                      [&](const atlas_file::KeyRecord& key, std::string_view wanted) {
                                        return Text(key.key) < wanted;
                                      });
  std::vector<PlaceMatch> matches;
  std::vector<bool> seen(places_.size(), false);
  for (auto key = first; key != keys_.end(); ++key) {
    const std::string_view text = Text(key->key);
    if (text.substr(0, name.size()) != name) break;
    const atlas_file::PlaceRecord& place = places_[key->place];
    if (seen[key->place] || !countryAllowed[place.country] || !regionAllowed[place.region]) continue;
    seen[key->place] = true;
    matches.push_back({key->place, text.size() == name.size() ? MatchKind::WholeName : MatchKind::Prefix});
  }

  const auto before = [&](const PlaceMatch& a, const PlaceMatch& b) {
    if (a.kind != b.kind) return a.kind == MatchKind::WholeName;
    const atlas_file::PlaceRecord& pa = places_[a.place];
    const atlas_file::PlaceRecord& pb = places_[b.place];
    if (pa.population != pb.population) return pa.population > pb.population;
    const std::string_view na = Text(pa.name);
    const std::string_view nb = Text(pb.name);
    return na != nb ? na < nb : a.place < b.place;
  };
  const std::size_t kept = query.limit == 0 ? matches.size() : std::min(query.limit, matches.size());
  std::partial_sort(matches.begin(), matches.begin() + static_cast<std::ptrdiff_t>(kept), matches.end(), before);
  matches.resize(kept);
  return matches;
}

}  // namespace zentara::places
