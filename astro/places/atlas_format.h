// The compact atlas file: the records the build's generator writes and the
// atlas loader reads back, in this machine's byte order (little-endian).
//
// Layout: a Header, then the text (UTF-8, every string the records point to,
// shared where equal), then the zones, countries, regions, places and search
// keys as arrays of the records below, in that order and nothing after.
// Search keys are names folded by FoldForSearch, sorted bytewise by key and
// then by place, one for each distinct folded name of each place.
#pragma once
#include <bit>
#include <cstdint>

namespace zentara::places::atlas_file {

static_assert(std::endian::native == std::endian::little, "the atlas file is little-endian");

inline constexpr char Magic[8] = {'Z', 'N', 'T', 'A', 'T', 'L', 'A', 'S'};
inline constexpr std::uint32_t FormatVersion = 1;

// Degrees are stored in hundred-thousandths, as the source table gives them.
inline constexpr double UnitsPerDegree = 100000.0;

struct TextRef {
  std::uint32_t offset;  // into the text
  std::uint32_t length;  // bytes
};

struct Header {
  char magic[8];
  std::uint32_t version;
  std::uint32_t textBytes;
  std::uint32_t zoneCount;
  std::uint32_t countryCount;
  std::uint32_t regionCount;
  std::uint32_t placeCount;
  std::uint32_t keyCount;
  std::uint32_t reserved;
};

struct ZoneRecord {
  TextRef name;  // IANA name, "Asia/Kolkata"
};

struct CountryRecord {
  char code[2];  // ISO 3166-1 alpha-2
  std::uint16_t reserved;
  TextRef name;     // display name, "India"
  TextRef aliases;  // folded names and codes it is narrowed by, one a line
};

struct RegionRecord {
  std::uint32_t country;  // index of a CountryRecord
  TextRef code;           // the first-level administrative code, "IL"
  TextRef name;           // ISO 3166-2 name, "Illinois"; empty where none matches
  TextRef aliases;        // folded name and code, one a line
};

struct PlaceRecord {
  TextRef name;  // as the place's own language spells it, "São Paulo"
  std::int32_t latitude;   // hundred-thousandths of a degree, north positive
  std::int32_t longitude;  // hundred-thousandths of a degree, east positive
  std::uint32_t population;
  std::uint32_t region;  // index of a RegionRecord
  std::uint16_t country;  // index of a CountryRecord
  std::uint16_t zone;     // index of a ZoneRecord
};

struct KeyRecord {
  TextRef key;  // folded name
  std::uint32_t place;  // index of a PlaceRecord
};

static_assert(sizeof(Header) == 40 && sizeof(TextRef) == 8 && sizeof(ZoneRecord) == 8 &&
              sizeof(CountryRecord) == 20 && sizeof(RegionRecord) == 28 && sizeof(PlaceRecord) == 28 &&
              sizeof(KeyRecord) == 12, "records are written as they lie in memory");

}  // namespace zentara::places::atlas_file
