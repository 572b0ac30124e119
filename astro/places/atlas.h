// The offline atlas: about 200,000 places with their country, first-level
// region, population, coordinates and time zone, the search over their names,
// and the names nearest to one nothing matches.
//
// Data: GeoNames, places with 500 or more people, and the names of its
// first-level regions (CC BY 4.0), with ISO 3166 country and region names and
// codes and the regions' names in their countries' languages from Unicode
// CLDR; the build turns it into a compact file (atlas_format.h). Loading reads
// that file whole; nothing is read before the first call that needs it
// (atlas_location.h).
#pragma once
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "astro/places/atlas_format.h"

namespace zentara::places {

// One place as the atlas holds it. The views point into the atlas and live as
// long as it does.
struct Place {
  std::string_view name;         // "São Paulo"
  std::string_view regionName;   // first-level region as GeoNames names it, "Île-de-France"; may be empty
  std::string_view regionCode;   // its ISO 3166-2 code after the country's, "IDF"; empty where none is known
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
  // The place's name, one of its other names (in any script), or the start of
  // one; then, after commas, regions or countries it must lie in, whole except
  // for the last, which may be the start of one as it is being typed
  // ("Springfield, IL", "Paris, France", "Portland, Maine, US").
  std::string name;
  std::string region;   // when not empty: the region's name (in English or its country's languages) or ISO code, whole
                        // ("Bavaria", "Bayern", "BY")
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
  // Reads an atlas file, which must be a regular file (a pipe is never
  // opened). On any fault (missing, not a file, unreadable, truncated, another
  // format, a reference out of range) gives nothing and says why in `error`,
  // naming the file.
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

  // True when `text` names a country of ISO 3166-1 (by name, common or
  // official name, or code) or one of its usual other names, whether or not
  // the atlas has places there.
  bool IsCountry(std::string_view text) const;

  // For a name nothing matches: the names of places nearest to the query's
  // name (before any comma) by EditDistance, of the places' own and ASCII
  // names (the file's near names), at most one edit away for a name
  // of three or four characters and two for a longer one (none for shorter),
  // among the places the query's region, country and parts after commas let
  // through. The nearest first, equally near ones by their largest place's
  // population; each name as the place spells it, once; at most `limit`.
  std::vector<std::string> SuggestNames(const PlaceQuery& query, std::size_t limit = 5) const;

  // Bytes the loaded atlas holds, its search index and near names included.
  std::size_t MemoryBytes() const;

 private:
  Atlas() = default;
  std::string_view Text(atlas_file::TextRef ref) const { return {text_.data() + ref.offset, ref.length}; }
  friend struct AtlasReader;

  // Which places a query lets through: in the countries and regions asked
  // for, and in a region or country named by each part after a comma.
  struct Narrowing {
    std::vector<bool> countries, regions;  // empty: any
    std::vector<std::pair<std::vector<bool>, std::vector<bool>>> parts;  // countries, regions of each part
    bool Allows(const atlas_file::PlaceRecord& place) const;
  };
  // The folded name before any comma, and the narrowing of everything else.
  std::pair<std::string, Narrowing> Parse(const PlaceQuery& query) const;

  std::string text_;
  std::vector<atlas_file::ZoneRecord> zones_;
  std::vector<atlas_file::CountryRecord> countries_;
  std::vector<atlas_file::RegionRecord> regions_;
  std::vector<atlas_file::PlaceRecord> places_;
  std::vector<atlas_file::KeyRecord> keys_;
  std::vector<atlas_file::TextRef> nearNames_;
};

}  // namespace zentara::places
