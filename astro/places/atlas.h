// The offline atlas: about 200,000 places with their country, first-level
// region, population, coordinates and time zone, and the search over their
// names.
//
// Data: GeoNames, places with 500 or more people (CC BY 4.0), with ISO 3166
// country and region names; the build turns it into a compact file
// (atlas_format.h). Loading reads that file whole; nothing is read before the
// first call that needs it (atlas_location.h).
#pragma once
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "astro/places/atlas_format.h"

namespace zentara::places {

// One place as the atlas holds it. The views point into the atlas and live as
// long as it does.
struct Place {
  std::string_view name;         // "São Paulo"
  std::string_view regionName;   // "Illinois"; empty where the region has no ISO 3166-2 name
  std::string_view regionCode;   // first-level administrative code, "IL"
  std::string_view countryName;  // "United States"
  std::string_view countryCode;  // ISO 3166-1 alpha-2, "US"
  std::string_view timeZone;     // IANA name, "America/Chicago"
  std::uint32_t population = 0;
  double latitude = 0;   // degrees, north positive, to five decimals
  double longitude = 0;  // degrees, east positive, to five decimals
};

// What to look for. Every text is compared after FoldForSearch, so case,
// accents and hyphens do not matter.
struct PlaceQuery {
  std::string name;     // the place's name, one of its other names, or the start of one
  std::string region;   // when not empty: the region's name or code, whole ("Illinois", "IL")
  std::string country;  // when not empty: the country's name or ISO code, whole ("India", "IN", "IND")
  std::size_t limit = 10;  // at most this many matches; 0 for all
};

enum class MatchKind : std::uint8_t {
  WholeName,  // the query is one of the place's names
  Prefix,     // the query is the start of one of them
};

struct PlaceMatch {
  std::uint32_t place;  // index for Atlas::PlaceAt
  MatchKind kind;
};

class Atlas {
 public:
  // Reads an atlas file. On any fault (missing, unreadable, truncated, another
  // format, a reference out of range) gives nothing and says why in `error`.
  static std::unique_ptr<const Atlas> Load(const std::filesystem::path& file, std::string& error);

  std::size_t PlaceCount() const { return places_.size(); }
  Place PlaceAt(std::uint32_t index) const;  // index below PlaceCount()

  // The places whose name, ASCII name or any other kept name is the query or
  // starts with it, in the countries and regions asked for. Whole-name matches
  // come before prefix matches (so the list settles as a name is typed out),
  // and within each kind the most populous place first; equal populations by
  // name, then by atlas order. A place appears once, with its best kind. An
  // empty (after folding) name gives nothing.
  std::vector<PlaceMatch> Search(const PlaceQuery& query) const;

  // Bytes the loaded atlas holds, its search index included.
  std::size_t MemoryBytes() const;

 private:
  Atlas() = default;
  std::string_view Text(atlas_file::TextRef ref) const { return {text_.data() + ref.offset, ref.length}; }
  friend struct AtlasReader;

  std::string text_;
  std::vector<atlas_file::ZoneRecord> zones_;
  std::vector<atlas_file::CountryRecord> countries_;
  std::vector<atlas_file::RegionRecord> regions_;
  std::vector<atlas_file::PlaceRecord> places_;
  std::vector<atlas_file::KeyRecord> keys_;
};

}  // namespace zentara::places
