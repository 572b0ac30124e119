// The countries and regions a search is narrowed by, found by their names:
// which ones a text names, and the names nearest to a text that names none.
#include <algorithm>
#include <optional>
#include <utility>

#include "astro/places/atlas.h"
#include "astro/places/edit_distance.h"
#include "astro/places/fold_text.h"

namespace zentara::places {

namespace {

// Calls `line` with each line of `lines` (lines separated by '\n') until it
// returns true; true when it did.
template <typename Line>
bool AnyLine(std::string_view lines, const Line& line) {
  while (!lines.empty()) {
    const std::size_t end = std::min(lines.find('\n'), lines.size());
    if (line(lines.substr(0, end))) return true;
    lines.remove_prefix(std::min(end + 1, lines.size()));
  }
  return false;
}

// Which records of `table` have an alias line that is `wanted` (or starts with it).
template <typename Record, typename Aliases>
std::vector<bool> Named(std::span<const Record> table, std::string_view wanted, bool prefix,
                        const Aliases& aliasesOf) {
  std::vector<bool> named(table.size());
  for (std::size_t i = 0; i < table.size(); ++i) {
    named[i] = AnyLine(aliasesOf(table[i]), [&](std::string_view line) {
      return prefix ? line.substr(0, wanted.size()) == wanted : line == wanted;
    });
  }
  return named;
}

// How near `folded` (of `characters` characters) comes to one of `lines`:
// 0 when one begins with it, else the fewest edits to one, when no more than
// `allowed`; nothing when none comes that near.
std::optional<unsigned> Nearness(std::string_view lines, std::string_view folded, std::size_t characters,
                                 unsigned allowed) {
  std::optional<unsigned> nearest;
  AnyLine(lines, [&](std::string_view line) {
    if (line.substr(0, folded.size()) == folded) {
      nearest = 0;
      return true;
    }
    // Lines whose lengths differ by more than the edits allowed are that many
    // edits apart at least; the distance is not worked out for them (its
    // cost grows with both lengths, and a typed text may be long).
    const std::size_t lineCharacters = CharacterCount(line);
    if (std::max(lineCharacters, characters) - std::min(lineCharacters, characters) > allowed) return false;
    const unsigned distance = EditDistance(line, folded);
    if (distance <= allowed && (!nearest || distance < *nearest)) nearest = distance;
    return false;
  });
  return nearest;
}

// The names of the records of `table` that `considered` lets through and
// `text` comes near, as Atlas::SuggestCountries gives them.
template <typename Record, typename Aliases, typename NameOf, typename Considered>
std::vector<std::string> NearestNames(std::span<const Record> table, std::string_view text, std::size_t limit,
                                      const Aliases& aliasesOf, const NameOf& nameOf, const Considered& considered) {
  const std::string folded = FoldForSearch(text);
  const std::size_t characters = CharacterCount(folded);
  const unsigned allowed = EditsAllowed(characters);
  if (allowed == 0) return {};
  std::vector<std::pair<unsigned, std::string_view>> near;
  for (std::size_t i = 0; i < table.size(); ++i) {
    if (!considered(i)) continue;
    const std::string_view name = nameOf(table[i]);
    if (name.empty()) continue;  // a region GeoNames names none
    if (const auto nearness = Nearness(aliasesOf(table[i]), folded, characters, allowed)) {
      near.emplace_back(*nearness, name);
    }
  }
  // A name that begins with the text is what was meant more surely than any
  // a few edits away: those are offered only when there is none.
  std::sort(near.begin(), near.end());
  if (!near.empty() && near.front().first == 0) {
    near.erase(std::find_if(near.begin(), near.end(), [](const auto& n) { return n.first != 0; }), near.end());
  }
  std::vector<std::string> names;
  for (const auto& [nearness, name] : near) {
    if (names.size() == limit) break;
    if (std::find(names.begin(), names.end(), name) == names.end()) names.emplace_back(name);
  }
  return names;
}

bool In(const std::vector<bool>& chosen, std::size_t index) { return index < chosen.size() && chosen[index]; }

}  // namespace

std::vector<bool> Atlas::CountriesNamed(std::string_view folded, bool prefix) const {
  return Named(countries_, folded, prefix, [this](const atlas_file::CountryRecord& c) { return Text(c.aliases); });
}

std::vector<bool> Atlas::RegionsNamed(std::string_view folded, bool prefix) const {
  return Named(regions_, folded, prefix, [this](const atlas_file::RegionRecord& r) { return Text(r.aliases); });
}

bool Atlas::IsCountry(std::string_view text) const {
  const std::string folded = FoldForSearch(text);
  if (folded.empty()) return false;
  const std::vector<bool> named = CountriesNamed(folded, false);
  return std::find(named.begin(), named.end(), true) != named.end();
}

bool Atlas::IsRegion(std::string_view text, std::string_view country) const {
  const std::string folded = FoldForSearch(text);
  if (folded.empty()) return false;
  const std::string foldedCountry = FoldForSearch(country);
  const std::vector<bool> countries = foldedCountry.empty() ? std::vector<bool>() : CountriesNamed(foldedCountry, false);
  const std::vector<bool> named = RegionsNamed(folded, false);
  for (std::size_t r = 0; r < regions_.size(); ++r) {
    if (named[r] && (foldedCountry.empty() || In(countries, regions_[r].country))) return true;
  }
  return false;
}

std::vector<std::string> Atlas::SuggestCountries(std::string_view text, std::size_t limit) const {
  return NearestNames(
      countries_, text, limit, [this](const atlas_file::CountryRecord& c) { return Text(c.aliases); },
      [this](const atlas_file::CountryRecord& c) { return Text(c.name); }, [](std::size_t) { return true; });
}

std::vector<std::string> Atlas::SuggestRegions(std::string_view text, std::string_view country,
                                               std::size_t limit) const {
  const std::string foldedCountry = FoldForSearch(country);
  const std::vector<bool> countries = foldedCountry.empty() ? std::vector<bool>() : CountriesNamed(foldedCountry, false);
  return NearestNames(
      regions_, text, limit, [this](const atlas_file::RegionRecord& r) { return Text(r.aliases); },
      [this](const atlas_file::RegionRecord& r) { return Text(r.name); },
      [&](std::size_t r) { return foldedCountry.empty() || In(countries, regions_[r].country); });
}

}  // namespace zentara::places
