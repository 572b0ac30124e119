// zentara-make-atlas: builds the compact atlas file (atlas_format.h) from the
// GeoNames table of places with 500 or more people, GeoNames' names of its
// first-level regions, the ISO 3166 country and region names that Debian's
// iso-codes ships as JSON, and Unicode CLDR's region names (Debian's
// unicode-cldr-core).
//
//   zentara-make-atlas CITIES500_TXT ADMIN1_JSON ISO_3166_1_JSON ISO_3166_2_JSON CLDR_COMMON OUTPUT
//
// GeoNames columns (tab-separated): geonameid, name, asciiname, alternatenames
// (comma-separated), latitude, longitude, feature class, feature code, country
// code, cc2, admin1, admin2, admin3, admin4, population, elevation, dem,
// timezone, modification date. Every name, in every script, is a search key.
#include <nlohmann/json.hpp>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "astro/places/atlas.h"
#include "astro/places/atlas_format.h"
#include "astro/places/atlas_maker/name_variants.h"
#include "astro/places/atlas_maker/region_names.h"
#include "astro/places/fold_text.h"
#include "common/file_bytes.h"

namespace {

using namespace zentara::places;
using namespace zentara::places::atlas_maker;
namespace format = zentara::places::atlas_file;

// Names people use for a country that ISO 3166-1 does not give, and Kosovo,
// which GeoNames lists under the user-assigned code XK.
struct CountryAlias {
  std::string_view code;
  std::string_view alias;
};
constexpr CountryAlias ExtraCountryAliases[] = {
    {"GB", "UK"},           {"GB", "Great Britain"}, {"GB", "Britain"},    {"US", "America"},
    {"RU", "Russia"},       {"TR", "Turkey"},        {"CZ", "Czech Republic"}, {"XK", "Kosovo"},
    {"VA", "Vatican"},      {"VA", "Vatican City"},  {"CV", "Cape Verde"}, {"SZ", "Swaziland"},
    {"CI", "Ivory Coast"},  {"MM", "Burma"},         {"MK", "Macedonia"},  {"TL", "East Timor"},
    {"CD", "DR Congo"},     {"BN", "Brunei"},
};

struct Country {
  std::string name;
  std::set<std::string> aliases;  // folded
};

struct Region {
  std::uint32_t country;
  const RegionNaming* naming;  // null where GeoNames names none
};

struct Place {
  std::string name;
  std::int32_t latitude, longitude;
  std::uint32_t population, region;
  std::uint16_t country, zone;
  std::string foldedName, foldedAsciiName;
  std::set<std::string> keys;  // folded names and their spellings
};

std::vector<std::string_view> Split(std::string_view text, char separator) {
  std::vector<std::string_view> parts;
  while (true) {
    const std::size_t end = text.find(separator);
    parts.push_back(text.substr(0, end));
    if (end == std::string_view::npos) return parts;
    text.remove_prefix(end + 1);
  }
}

bool ParseDegrees(std::string_view text, std::int32_t& units) {
  const std::string copy(text);
  char* end = nullptr;
  const double degrees = std::strtod(copy.c_str(), &end);
  if (copy.empty() || end != copy.c_str() + copy.size() || !(std::abs(degrees) <= 180)) return false;
  units = static_cast<std::int32_t>(std::llround(degrees * format::UnitsPerDegree));
  return true;
}

bool ParsePopulation(std::string_view text, std::uint32_t& population) {
  if (text.empty()) {
    population = 0;
    return true;
  }
  std::uint64_t value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return false;
    value = value * 10 + static_cast<unsigned>(c - '0');
    if (value > 0xFFFFFFFFu) return false;
  }
  population = static_cast<std::uint32_t>(value);
  return true;
}

nlohmann::json ReadJson(const char* path) {
  std::ifstream in(path);
  if (!in) throw std::runtime_error(std::string("cannot read ") + path);
  return nlohmann::json::parse(in);
}

// ISO 3166-1: display name (the common name where there is one) and aliases.
std::map<std::string, Country> ReadCountries(const char* path) {
  std::map<std::string, Country> countries;
  const nlohmann::json iso = ReadJson(path);
  for (const auto& entry : iso.at("3166-1")) {
    const std::string code = entry.at("alpha_2");
    Country& country = countries[code];
    country.name = entry.value("common_name", entry.at("name").get<std::string>());
    for (const char* field : {"alpha_2", "alpha_3", "name", "common_name", "official_name"}) {
      if (!entry.contains(field)) continue;
      const std::string value = entry.at(field);
      country.aliases.insert(FoldForSearch(value));
      // "Congo, The Democratic Republic of the" and "Holy See (Vatican City State)" also by their first part.
      country.aliases.insert(FoldForSearch(value.substr(0, value.find_first_of(",("))));
    }
  }
  for (const CountryAlias& extra : ExtraCountryAliases) {
    Country& country = countries[std::string(extra.code)];
    if (country.name.empty()) country.name = extra.alias;
    country.aliases.insert(FoldForSearch(extra.code));
    country.aliases.insert(FoldForSearch(extra.alias));
  }
  return countries;
}

class TextPool {
 public:
  format::TextRef Add(const std::string& text) {
    const auto [found, added] = refs_.try_emplace(text, format::TextRef{static_cast<std::uint32_t>(bytes_.size()),
                                                                        static_cast<std::uint32_t>(text.size())});
    if (added) bytes_ += text;
    if (bytes_.size() > 0xFFFFFFFFu) throw std::runtime_error("the atlas's text outgrows 4 GB");
    return found->second;
  }
  const std::string& Bytes() const { return bytes_; }

 private:
  std::string bytes_;
  std::unordered_map<std::string, format::TextRef> refs_;
};

std::string Lines(const std::set<std::string>& lines) {
  std::string joined;
  for (const std::string& line : lines) {
    if (line.empty()) continue;
    if (!joined.empty()) joined += '\n';
    joined += line;
  }
  return joined;
}

// Lays the sections one after another into the file's bytes, each at the
// alignment the format asks, and records where each lies.
class SectionWriter {
 public:
  explicit SectionWriter(std::string& file) : file_(file) {}

  template <typename Records>
  format::Section Write(const Records& records) {
    file_.resize((file_.size() + format::SectionAlignment - 1) / format::SectionAlignment * format::SectionAlignment);
    const std::size_t start = file_.size();
    file_.append(reinterpret_cast<const char*>(records.data()), sizeof(typename Records::value_type) * records.size());
    if (file_.size() > 0xFFFFFFFFu) throw std::runtime_error("the atlas outgrows 4 GB");
    return {static_cast<std::uint32_t>(start), static_cast<std::uint32_t>(records.size())};
  }

 private:
  std::string& file_;
};

int Run(char** paths) {
  const char* citiesPath = paths[0];
  const char* outputPath = paths[5];
  std::map<std::string, Country> isoCountries = ReadCountries(paths[2]);
  const std::map<std::string, RegionNaming> regionNames = ReadRegionNames(paths[1], paths[3], paths[4]);

  std::vector<std::string> countryCodes;
  std::map<std::string, std::uint16_t> countryIndex;
  std::vector<Region> regions;
  std::map<std::pair<std::uint32_t, std::string>, std::uint32_t> regionIndex;
  std::vector<std::string> zones;
  std::map<std::string, std::uint16_t> zoneIndex;
  std::vector<Place> places;
  const auto countryOf = [&](const std::string& code) {
    const auto [country, added] = countryIndex.try_emplace(code, static_cast<std::uint16_t>(countryCodes.size()));
    if (added) countryCodes.push_back(code);
    if (countryCodes.size() > 0xFFFF) throw std::runtime_error("too many countries");
    return country->second;
  };

  std::ifstream in(citiesPath);
  if (!in) throw std::runtime_error(std::string("cannot read ") + citiesPath);
  std::string line;
  std::size_t skipped = 0;
  while (std::getline(in, line)) {
    const auto fields = Split(line, '\t');
    Place place{};
    if (fields.size() < 18 || fields[1].empty() || fields[8].size() != 2 || fields[17].empty() ||
        !ParseDegrees(fields[4], place.latitude) || !ParseDegrees(fields[5], place.longitude) ||
        !ParsePopulation(fields[14], place.population)) {
      ++skipped;
      continue;
    }
    const std::string code(fields[8]);
    const std::uint16_t country = countryOf(code);
    const std::string admin1(fields[10]);
    const auto [region, newRegion] = regionIndex.try_emplace({country, admin1}, static_cast<std::uint32_t>(regions.size()));
    if (newRegion) {
      const auto naming = regionNames.find(code + "." + admin1);
      regions.push_back({country, naming != regionNames.end() ? &naming->second : nullptr});
    }
    const auto [zone, newZone] = zoneIndex.try_emplace(std::string(fields[17]), static_cast<std::uint16_t>(zones.size()));
    if (newZone) zones.emplace_back(fields[17]);
    if (zones.size() > 0xFFFF) throw std::runtime_error("too many time zones");

    place.name = fields[1];
    place.country = country;
    place.region = region->second;
    place.zone = zone->second;
    place.foldedName = FoldForSearch(fields[1]);
    place.foldedAsciiName = FoldForSearch(fields[2]);
    std::vector<std::string> names = {place.foldedName, place.foldedAsciiName};
    for (const std::string_view alternate : Split(fields[3], ',')) names.push_back(FoldForSearch(alternate));
    for (const std::string& name : names) {
      if (name.empty()) continue;
      const std::set<std::string> spellings = SpellingVariants(name);
      place.keys.insert(spellings.begin(), spellings.end());
    }
    places.push_back(std::move(place));
  }
  // Every country ISO 3166-1 lists, after those with places.
  for (const auto& [code, country] : isoCountries) countryOf(code);

  TextPool text;
  std::vector<format::ZoneRecord> zoneRecords;
  for (const std::string& zone : zones) zoneRecords.push_back({text.Add(zone)});
  std::vector<format::CountryRecord> countryRecords;
  for (const std::string& code : countryCodes) {
    Country& country = isoCountries[code];
    if (country.name.empty()) country.name = code;
    country.aliases.insert(FoldForSearch(code));
    format::CountryRecord record{{code[0], code[1]}, 0, text.Add(country.name), text.Add(Lines(country.aliases))};
    countryRecords.push_back(record);
  }
  std::vector<format::RegionRecord> regionRecords;
  for (const Region& region : regions) {
    const RegionNaming none;
    const RegionNaming& naming = region.naming != nullptr ? *region.naming : none;
    regionRecords.push_back({region.country, text.Add(naming.isoCode), text.Add(naming.name),
                             text.Add(Lines(naming.aliases))});
  }
  std::vector<format::PlaceRecord> placeRecords;
  std::vector<std::pair<std::string_view, std::uint32_t>> keys;
  for (std::uint32_t i = 0; i < places.size(); ++i) {
    const Place& place = places[i];
    placeRecords.push_back({text.Add(place.name), place.latitude, place.longitude, place.population, place.region,
                            place.country, place.zone});
    for (const std::string& key : place.keys) keys.emplace_back(key, i);
  }
  std::sort(keys.begin(), keys.end());
  std::vector<format::KeyRecord> keyRecords;
  for (const auto& [key, place] : keys) keyRecords.push_back({text.Add(std::string(key)), place});

  // The names the closest names are offered from.
  std::set<std::string_view> nearNames;
  for (const Place& place : places) {
    for (const std::string* name : {&place.foldedName, &place.foldedAsciiName}) {
      if (!name->empty() && name->size() <= format::LongestNearName) nearNames.insert(*name);
    }
  }
  std::vector<format::TextRef> nearNameRecords;
  for (const std::string_view name : nearNames) nearNameRecords.push_back(text.Add(std::string(name)));

  format::Header header{};
  std::copy(std::begin(format::Magic), std::end(format::Magic), header.magic);
  header.version = format::FormatVersion;
  std::string file(sizeof header, '\0');
  SectionWriter sections(file);
  header.text = sections.Write(text.Bytes());
  header.zones = sections.Write(zoneRecords);
  header.countries = sections.Write(countryRecords);
  header.regions = sections.Write(regionRecords);
  header.places = sections.Write(placeRecords);
  header.keys = sections.Write(keyRecords);
  header.nearNames = sections.Write(nearNameRecords);
  std::memcpy(file.data(), &header, sizeof header);
  header.checksum = format::Checksum(file);
  std::memcpy(file.data(), &header, sizeof header);
  // Replaced whole, never rewritten in place: a program that has the old file
  // mapped keeps reading the old file.
  if (const auto failure = zentara::ReplaceFileContents(outputPath, file)) {
    throw std::runtime_error(std::string("cannot write ") + outputPath + ": " + *failure);
  }
  // The file as the programs will see it: opened with their checks, then
  // walked whole for what they leave to this one.
  std::string problem;
  const auto written = Atlas::Load(outputPath, problem);
  if (written && !(problem = written->FindFault()).empty()) {
    problem = std::string("the atlas file ") + outputPath + " " + problem;
  }
  if (!problem.empty()) throw std::runtime_error(problem);
  const auto named = std::count_if(regions.begin(), regions.end(), [](const Region& r) { return r.naming != nullptr; });
  const auto coded = std::count_if(regions.begin(), regions.end(),
                                   [](const Region& r) { return r.naming != nullptr && !r.naming->isoCode.empty(); });
  std::cout << "atlas: " << placeRecords.size() << " places, " << keyRecords.size() << " search keys, "
            << nearNameRecords.size() << " near names, " << regionRecords.size() << " regions (" << named
            << " named, " << coded << " with an ISO 3166-2 code), " << countryRecords.size() << " countries, "
            << zoneRecords.size() << " time zones; " << skipped << " malformed lines skipped\n";
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 7) {
    std::cerr << "usage: zentara-make-atlas CITIES500_TXT ADMIN1_JSON ISO_3166_1_JSON ISO_3166_2_JSON CLDR_COMMON "
                 "OUTPUT\n";
    return 2;
  }
  try {
    return Run(argv + 1);
  } catch (const std::exception& error) {
    std::cerr << "zentara-make-atlas: " << error.what() << "\n";
    std::remove(argv[6]);
    return 1;
  }
}
