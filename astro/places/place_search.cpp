// The name search over the atlas's sorted keys, and what narrows it.
#include <algorithm>

#include "astro/places/atlas.h"
#include "astro/places/fold_text.h"

namespace zentara::places {

namespace {

bool In(const std::vector<bool>& chosen, std::size_t index) { return index < chosen.size() && chosen[index]; }

// A folded part without the space a comma leaves at either end of it.
std::string_view Trimmed(std::string_view part) {
  if (!part.empty() && part.front() == ' ') part.remove_prefix(1);
  if (!part.empty() && part.back() == ' ') part.remove_suffix(1);
  return part;
}

}  // namespace

// A region index past its table (a damaged file) is in none asked for.
bool Atlas::Narrowing::Allows(const atlas_file::PlaceRecord& place) const {
  return regions.empty() || In(regions, place.region);
}

bool Atlas::Narrowing::AllowsNone() const {
  return !regions.empty() && std::find(regions.begin(), regions.end(), true) == regions.end();
}

std::pair<std::string, Atlas::Narrowing> Atlas::Parse(const PlaceQuery& query) const {
  Narrowing narrowing;
  // Keeps of the regions let through those `keeps` lets through, by the
  // region's index and its country's; false once none is left, when whatever
  // else narrows changes nothing.
  const auto keep = [&](const auto& keeps) {
    if (narrowing.regions.empty()) narrowing.regions.assign(regions_.size(), true);
    bool any = false;
    for (std::size_t r = 0; r < regions_.size(); ++r) {
      narrowing.regions[r] = narrowing.regions[r] && keeps(r, regions_[r].country);
      any = any || narrowing.regions[r];
    }
    return any;
  };
  bool open = true;
  if (const std::string country = FoldForSearch(query.country); !country.empty()) {
    const std::vector<bool> countries = CountriesNamed(country, false);
    open = keep([&](std::size_t, std::size_t c) { return In(countries, c); });
  }
  if (const std::string region = FoldForSearch(query.region); open && !region.empty()) {
    const std::vector<bool> regions = RegionsNamed(region, false);
    open = keep([&](std::size_t r, std::size_t) { return regions[r]; });
  }

  // The name folded whole, then cut at its commas: folding keeps commas, and
  // a part folded on its own is the part of the whole without the spaces at
  // its ends. "Springfield, " while the region is yet to be typed narrows
  // nothing.
  const std::string folded = FoldForSearch(query.name);
  std::string_view rest = folded;
  while (!rest.empty() && (rest.back() == ',' || rest.back() == ' ')) rest.remove_suffix(1);
  std::size_t comma = rest.find(',');
  std::string name(Trimmed(rest.substr(0, comma)));
  // Each part names the place's region or country; the last may be the start
  // of one, as it is being typed. A part already taken is passed.
  std::vector<std::string_view> taken;
  while (open && comma != std::string_view::npos) {
    rest.remove_prefix(comma + 1);
    comma = rest.find(',');
    const std::string_view part = Trimmed(rest.substr(0, comma));
    const bool typing = comma == std::string_view::npos;
    if (std::find(taken.begin(), taken.end(), part) != taken.end()) continue;
    taken.push_back(part);
    const std::vector<bool> countries = CountriesNamed(part, typing);
    const std::vector<bool> regions = RegionsNamed(part, typing);
    open = keep([&](std::size_t r, std::size_t c) { return regions[r] || In(countries, c); });
  }
  return {std::move(name), std::move(narrowing)};
}

std::vector<PlaceMatch> Atlas::Search(const PlaceQuery& query) const {
  const auto [name, narrowing] = Parse(query);
  if (name.empty() || narrowing.AllowsNone()) return {};

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
    if (key->place >= places_.size() || seen[key->place] || !narrowing.Allows(places_[key->place])) continue;
    seen[key->place] = true;
    matches.push_back({key->place, text.size() == name.size() ? MatchKind::WholeName : MatchKind::Prefix});
  }

  const auto before = [&](const PlaceMatch& a, const PlaceMatch& b) {
    if (a.kind != b.kind) return a.kind == MatchKind::WholeName;
    const atlas_file::PlaceRecord& pa = places_[a.place];  // matches hold places of the table only
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
