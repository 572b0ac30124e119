// The offline atlas: about 200,000 places with their country, first-level
// region, population, coordinates and time zone, the search over their names,
// and the names nearest to one nothing matches.
//
// Data: GeoNames, places with 500 or more people, and the names of its
// first-level regions (CC BY 4.0), with ISO 3166 country and region names and
// codes and the regions' names in their countries' languages from Unicode
// CLDR; the build turns it into a compact file (atlas_format.h). Loading maps
// that file into memory and the searches read it where it lies, touching only
// the pages they need; nothing is opened before the first call that needs it
// (atlas_location.h).
#pragma once
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "astro/places/atlas_format.h"
#include "platform/mapped_file.h"

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
  // Maps an atlas file, which must be a regular file (a pipe is never
  // opened), after the checks atlas_format.h lists, which read the header and
  // the small tables only. On a fault they find (missing, not a file,
  // unreadable, truncated, another format, a checksum that does not match)
  // gives nothing and says why in `error`, naming the file.
  static std::unique_ptr<const Atlas> Load(const std::filesystem::path& file, std::string& error);

  // What is wrong inside the large sections, which Load does not walk: a
  // reference outside its table or the text, a near name longer than the
  // format allows, search keys or near names out of order; "" when nothing
  // is. Reads the whole file: for the generator, which checks each file it
  // writes, and for the tests.
  std::string FindFault() const;

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

  // True when `text` names a first-level region as PlaceQuery::region takes
  // it (by name, its name in its country's languages, or code), one of the
  // country `country` names when that is not blank (nothing once folded).
  bool IsRegion(std::string_view text, std::string_view country = {}) const;

  // For a country or region that `text` does not name: the names (as the
  // atlas spells them) of the countries, or of the regions (of the country
  // `country` names when that is not blank), one of whose names begins with
  // `text`, or, when none does, lies within the edits SuggestNames allows of
  // it, the nearest first; alphabetically among equals; each name once; at
  // most `limit`; none for a text of one or two characters.
  std::vector<std::string> SuggestCountries(std::string_view text, std::size_t limit = 5) const;
  std::vector<std::string> SuggestRegions(std::string_view text, std::string_view country,
                                          std::size_t limit = 5) const;

  // For a name nothing matches: the names of places nearest to the query's
  // name (before any comma) by EditDistance, of the places' own and ASCII
  // names (the file's near names), at most one edit away for a name
  // of three or four characters and two for a longer one (none for shorter),
  // among the places the query's region, country and parts after commas let
  // through. The nearest first, equally near ones by their largest place's
  // population; each name as the place spells it, once; at most `limit`.
  std::vector<std::string> SuggestNames(const PlaceQuery& query, std::size_t limit = 5) const;

  // Bytes of the file mapped: shared with the system's file cache, never the
  // process's private memory, and read from the disk only where touched.
  std::size_t MappedBytes() const { return file_->Bytes().size(); }

 private:
  Atlas() = default;

  // Every read through a reference is bounded, so a damaged file (which Load
  // does not walk) can never lead outside the mapping: a text reference past
  // the text gives what of it lies inside (or nothing), an index past its
  // table gives a blank record (no name, no aliases, index 0 everywhere).
  std::string_view Text(atlas_file::TextRef ref) const {
    return ref.offset <= text_.size() ? text_.substr(ref.offset, ref.length) : std::string_view();
  }
  template <typename Record>
  static const Record& At(std::span<const Record> table, std::uint32_t index) {
    static constexpr Record blank{};
    return index < table.size() ? table[index] : blank;
  }

  // Which places a query lets through, by the region each lies in (a region
  // lies in one country): in the country and region asked for, and in a
  // region or country named by each part of the name after a comma.
  struct Narrowing {
    std::vector<bool> regions;  // by region index; empty: any
    bool Allows(const atlas_file::PlaceRecord& place) const;
    bool AllowsNone() const;
  };
  // The folded name before any comma, and the narrowing of everything else.
  std::pair<std::string, Narrowing> Parse(const PlaceQuery& query) const;
  // By index, the countries or regions one of whose names is `folded` or,
  // with `prefix`, begins with it.
  std::vector<bool> CountriesNamed(std::string_view folded, bool prefix) const;
  std::vector<bool> RegionsNamed(std::string_view folded, bool prefix) const;

  // SuggestNames in steps (near_names.cpp): the near names within the edits
  // allowed of the query's, found by walking them as a tree of their
  // beginnings; then the largest place each names, as offers in the order
  // they are made; then the names those places spell.
  struct NearName;
  struct NearNameWalk;
  struct Offer;
  std::vector<NearName> NearNamesWithin(std::string_view folded, unsigned allowed) const;
  void WalkNearNames(NearNameWalk& walk, std::size_t first, std::size_t last, std::size_t depth) const;
  std::size_t EndOfNamesBeginning(std::string_view beginning, std::size_t first, std::size_t last) const;
  std::optional<std::uint32_t> LargestPlaceNamed(std::string_view key, const Narrowing& narrowing) const;
  std::vector<Offer> Offers(const std::vector<NearName>& near, const Narrowing& narrowing) const;
  std::vector<std::string> NamesOffered(const std::vector<Offer>& offers, std::size_t limit) const;

  std::unique_ptr<const system::MappedFile> file_;
  // The sections, where they lie in the mapping.
  std::string_view text_;
  std::span<const atlas_file::ZoneRecord> zones_;
  std::span<const atlas_file::CountryRecord> countries_;
  std::span<const atlas_file::RegionRecord> regions_;
  std::span<const atlas_file::PlaceRecord> places_;
  std::span<const atlas_file::KeyRecord> keys_;
  std::span<const atlas_file::TextRef> nearNames_;
};

}  // namespace zentara::places
