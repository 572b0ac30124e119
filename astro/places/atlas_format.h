// The compact atlas file: the records the build's generator writes and the
// atlas maps into memory and searches where they lie, in this machine's byte
// order (little-endian).
//
// Layout: a Header, then the sections it lists, each a plain array of the
// records below starting at a multiple of SectionAlignment bytes (zero bytes
// pad the gaps), in the Header's order, with nothing after the last. Every
// reference is an offset or an index, never an address, so the file is used
// where it lies without being rewritten or read through first.
//
// Checked when it is opened: the magic and version, the sections in place and
// filling the file exactly, and the header's checksum, a CRC-32 of the header
// (the index of the sections; its checksum field counted as zero) followed by
// the sections every search reads whole (zones, countries, regions). The large
// sections (text, places, keys, near names) are not walked then: every offset
// and index read from them is bounded where it is used, so a damaged file
// gives wrong answers at worst, never a read outside the file.
//
// Text: UTF-8, every string the records point to, shared where equal.
// Search keys: names folded by FoldForSearch, sorted bytewise by key and then
// by place, one for each distinct folded name of each place (its own name,
// ASCII name, other names in every script, and their spellings with "St",
// "Ft", "Mt" for "Saint", "Fort", "Mount" and back).
// Near names: the places' own names and ASCII names, folded, each once,
// sorted bytewise, none longer than LongestNearName bytes (a longer one is
// left out): the index the closest names to a misspelt one are found in,
// walked as a tree of the names' beginnings (near_names.cpp).
#pragma once
#include <bit>
#include <cstdint>
#include <string_view>

namespace zentara::places::atlas_file {

static_assert(std::endian::native == std::endian::little, "the atlas file is little-endian");

inline constexpr char Magic[8] = {'Z', 'N', 'T', 'A', 'T', 'L', 'A', 'S'};
inline constexpr std::uint32_t FormatVersion = 3;
inline constexpr std::uint32_t SectionAlignment = 8;

// The longest near name, in bytes (the longest place's own name is 65); a
// typed name more than a few characters longer is near none of them.
inline constexpr std::uint32_t LongestNearName = 128;

// Degrees are stored in hundred-thousandths, as the source table gives them.
inline constexpr double UnitsPerDegree = 100000.0;

struct TextRef {
  std::uint32_t offset;  // into the text
  std::uint32_t length;  // bytes
};

// Where one section lies: its first byte, from the start of the file, and how
// many records it holds (bytes, for the text).
struct Section {
  std::uint32_t offset;
  std::uint32_t count;
};

struct Header {
  char magic[8];
  std::uint32_t version;
  std::uint32_t checksum;  // see above
  Section text, zones, countries, regions, places, keys, nearNames;
};

struct ZoneRecord {
  TextRef name;  // IANA name, "Asia/Kolkata"
};

// Every country ISO 3166-1 lists, with places or not.
struct CountryRecord {
  char code[2];  // ISO 3166-1 alpha-2
  std::uint16_t reserved;
  TextRef name;     // display name, "India"
  TextRef aliases;  // folded names and codes it is narrowed by, one a line
};

// A first-level region of a country, as GeoNames divides it.
struct RegionRecord {
  std::uint32_t country;  // index of a CountryRecord
  TextRef code;           // its ISO 3166-2 code after the country's, "MH"; empty where none is known
  TextRef name;           // GeoNames' name, "Maharashtra"; empty where GeoNames names none
  TextRef aliases;        // folded names (its own, ISO 3166-2's, in the country's languages) and code, one a line
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

static_assert(sizeof(Header) == 72 && sizeof(TextRef) == 8 && sizeof(ZoneRecord) == 8 &&
              sizeof(CountryRecord) == 20 && sizeof(RegionRecord) == 28 && sizeof(PlaceRecord) == 28 &&
              sizeof(KeyRecord) == 12,
              "records are written as they lie in memory");

// The checksum the header holds for the file `bytes`, whose header's sections
// must lie inside it.
std::uint32_t Checksum(std::string_view bytes);

}  // namespace zentara::places::atlas_file
