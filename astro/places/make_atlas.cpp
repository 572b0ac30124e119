// zentara-make-atlas: builds the compact atlas file (atlas_format.h) from the
// GeoNames table of places with 500 or more people and the ISO 3166 country and
// region names that Debian's iso-codes ships as JSON.
//
//   zentara-make-atlas CITIES500_TXT ISO_3166_1_JSON ISO_3166_2_JSON OUTPUT
//
// GeoNames columns (tab-separated): geonameid, name, asciiname, alternatenames
// (comma-separated), latitude, longitude, feature class, feature code, country
// code, cc2, admin1, admin2, admin3, admin4, population, elevation, dem,
// timezone, modification date. Only Latin-script alternate names are kept as
// search keys; a region gets the ISO 3166-2 name whose code is
// "COUNTRY-ADMIN1", and none where no such code exists.
#include <nlohmann/json.hpp>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "astro/places/atlas_format.h"
#include "astro/places/fold_text.h"

namespace {

using namespace zentara::places;
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
  std::string code, name;
};

struct Place {
  std::string name;
  std::int32_t latitude, longitude;
  std::uint32_t population, region;
  std::uint16_t country, zone;
  std::set<std::string> keys;  // folded names
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

// ISO 3166-2: "US-IL" -> "Illinois".
std::unordered_map<std::string, std::string> ReadRegionNames(const char* path) {
  std::unordered_map<std::string, std::string> names;
  const nlohmann::json iso = ReadJson(path);
  for (const auto& entry : iso.at("3166-2")) names[entry.at("code")] = entry.at("name");
  return names;
}

class TextPool {
 public:
  format::TextRef Add(const std::string& text) {
    const auto [found, added] = refs_.try_emplace(text, format::TextRef{static_cast<std::uint32_t>(bytes_.size()),
                                                                        static_cast<std::uint32_t>(text.size())});
    if (added) bytes_ += text;
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

template <typename Record>
void WriteArray(std::ofstream& out, const std::vector<Record>& records) {
  out.write(reinterpret_cast<const char*>(records.data()), static_cast<std::streamsize>(sizeof(Record) * records.size()));
}

int Run(const char* citiesPath, const char* countriesPath, const char* regionsPath, const char* outputPath) {
  std::map<std::string, Country> isoCountries = ReadCountries(countriesPath);
  const auto regionNames = ReadRegionNames(regionsPath);

  std::vector<std::string> countryCodes;
  std::map<std::string, std::uint16_t> countryIndex;
  std::vector<Region> regions;
  std::map<std::pair<std::uint32_t, std::string>, std::uint32_t> regionIndex;
  std::vector<std::string> zones;
  std::map<std::string, std::uint16_t> zoneIndex;
  std::vector<Place> places;

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
    const auto [country, newCountry] = countryIndex.try_emplace(code, static_cast<std::uint16_t>(countryCodes.size()));
    if (newCountry) countryCodes.push_back(code);
    const std::string admin1(fields[10]);
    const auto [region, newRegion] =
        regionIndex.try_emplace({country->second, admin1}, static_cast<std::uint32_t>(regions.size()));
    if (newRegion) {
      const auto name = regionNames.find(code + "-" + admin1);
      regions.push_back({country->second, admin1, name != regionNames.end() ? name->second : ""});
    }
    const auto [zone, newZone] = zoneIndex.try_emplace(std::string(fields[17]), static_cast<std::uint16_t>(zones.size()));
    if (newZone) zones.emplace_back(fields[17]);
    if (countryCodes.size() > 0xFFFF || zones.size() > 0xFFFF) throw std::runtime_error("too many countries or zones");

    place.name = fields[1];
    place.country = country->second;
    place.region = region->second;
    place.zone = zone->second;
    place.keys.insert(FoldForSearch(fields[1]));
    place.keys.insert(FoldForSearch(fields[2]));
    for (const std::string_view alternate : Split(fields[3], ',')) {
      if (IsLatinScript(alternate)) place.keys.insert(FoldForSearch(alternate));
    }
    place.keys.erase("");
    places.push_back(std::move(place));
  }

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
    regionRecords.push_back({region.country, text.Add(region.code), text.Add(region.name),
                             text.Add(Lines({FoldForSearch(region.name), FoldForSearch(region.code)}))});
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

  format::Header header{};
  std::copy(std::begin(format::Magic), std::end(format::Magic), header.magic);
  header.version = format::FormatVersion;
  header.textBytes = static_cast<std::uint32_t>(text.Bytes().size());
  header.zoneCount = static_cast<std::uint32_t>(zoneRecords.size());
  header.countryCount = static_cast<std::uint32_t>(countryRecords.size());
  header.regionCount = static_cast<std::uint32_t>(regionRecords.size());
  header.placeCount = static_cast<std::uint32_t>(placeRecords.size());
  header.keyCount = static_cast<std::uint32_t>(keyRecords.size());

  std::ofstream out(outputPath, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(&header), sizeof header);
  out.write(text.Bytes().data(), static_cast<std::streamsize>(text.Bytes().size()));
  WriteArray(out, zoneRecords);
  WriteArray(out, countryRecords);
  WriteArray(out, regionRecords);
  WriteArray(out, placeRecords);
  WriteArray(out, keyRecords);
  if (!out.flush()) throw std::runtime_error(std::string("cannot write ") + outputPath);
  std::cout << "atlas: " << placeRecords.size() << " places, " << keyRecords.size() << " search keys, "
            << regionRecords.size() << " regions, " << countryRecords.size() << " countries, " << zoneRecords.size()
            << " time zones; " << skipped << " malformed lines skipped\n";
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 5) {
    std::cerr << "usage: zentara-make-atlas CITIES500_TXT ISO_3166_1_JSON ISO_3166_2_JSON OUTPUT\n";
    return 2;
  }
  try {
    return Run(argv[1], argv[2], argv[3], argv[4]);
  } catch (const std::exception& error) {
    std::cerr << "zentara-make-atlas: " << error.what() << "\n";
    std::remove(argv[4]);
    return 1;
  }
}
