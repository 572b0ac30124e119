// The name search over the atlas's sorted keys, and what narrows it.
#include <algorithm>

#include "astro/places/atlas.h"
#include "astro/places/fold_text.h"

namespace zentara::places {

namespace {

// True when a line of `lines` (lines separated by '\n') is `wanted`, or, with
// `prefix`, starts with it.
bool HasLine(std::string_view lines, std::string_view wanted, bool prefix = false) {
  while (!lines.empty()) {
    const std::size_t end = std::min(lines.find('\n'), lines.size());
    const std::string_view line = lines.substr(0, end);
    if (prefix ? line.substr(0, wanted.size()) == wanted : line == wanted) return true;
    lines.remove_prefix(std::min(end + 1, lines.size()));
  }
  return false;
}

// Which records of `table` have an alias line that is `wanted` (or starts with it).
template <typename Record>
std::vector<bool> Named(const std::vector<Record>& table, const std::string& wanted, bool prefix,
                        const auto& aliasesOf) {
  std::vector<bool> named(table.size());
  for (std::size_t i = 0; i < table.size(); ++i) named[i] = HasLine(aliasesOf(table[i]), wanted, prefix);
  return named;
}

}  // namespace

bool Atlas::Narrowing::Allows(const atlas_file::PlaceRecord& place) const {
  if (!countries.empty() && !countries[place.country]) return false;
  if (!regions.empty() && !regions[place.region]) return false;
  return std::all_of(parts.begin(), parts.end(), [&](const auto& part) {
    return part.first[place.country] || part.second[place.region];
  });
}

std::pair<std::string, Atlas::Narrowing> Atlas::Parse(const PlaceQuery& query) const {
  const auto countryAliases = [this](const atlas_file::CountryRecord& c) { return Text(c.aliases); };
  const auto regionAliases = [this](const atlas_file::RegionRecord& r) { return Text(r.aliases); };
  Narrowing narrowing;
  if (const std::string country = FoldForSearch(query.country); !country.empty()) {
    narrowing.countries = Named(countries_, country, false, countryAliases);
  }
  if (const std::string region = FoldForSearch(query.region); !region.empty()) {
    narrowing.regions = Named(regions_, region, false, regionAliases);
  }
  std::vector<std::string> parts;
  for (std::string_view rest = query.name;;) {
    const std::size_t comma = rest.find(',');
    parts.push_back(FoldForSearch(rest.substr(0, comma)));
    if (comma == std::string_view::npos) break;
    rest.remove_prefix(comma + 1);
  }
  // "Springfield, " while the region is yet to be typed narrows nothing.
  while (parts.size() > 1 && parts.back().empty()) parts.pop_back();
  for (std::size_t i = 1; i < parts.size(); ++i) {
    const bool typing = i + 1 == parts.size();
    narrowing.parts.emplace_back(Named(countries_, parts[i], typing, countryAliases),
                                 Named(regions_, parts[i], typing, regionAliases));
  }
  return {parts.front(), std::move(narrowing)};
}

bool Atlas::IsCountry(std::string_view text) const {
  const std::string folded = FoldForSearch(text);
  return !folded.empty() && std::any_of(countries_.begin(), countries_.end(), [&](const atlas_file::CountryRecord& c) {
           return HasLine(Text(c.aliases), folded);
         });
}

std::vector<PlaceMatch> Atlas::Search(const PlaceQuery& query) const {
  const auto [name, narrowing] = Parse(query);
  if (name.empty()) return {};

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
    if (seen[key->place] || !narrowing.Allows(places_[key->place])) continue;
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
