#include "astro/places/atlas_maker/region_names.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <fstream>
#include <stdexcept>
#include <string_view>
#include <vector>

#include "astro/places/atlas_maker/cldr_names.h"
#include "astro/places/edit_distance.h"
#include "astro/places/fold_text.h"

namespace zentara::places::atlas_maker {

namespace {

// Words the sources add to or leave out of a region's name as they please
// ("Maidan Wardak Province" and "Wardak"; "Kyiv City" and "Kyiv").
constexpr std::string_view KindWords[] = {
    "autonomous", "canton", "capital", "city", "community", "county", "department", "district", "division",
    "emirate", "federal", "governorate", "krai", "kray", "municipality", "oblast", "of", "okrug", "parish",
    "prefecture", "province", "raion", "rayon", "region", "republic", "state", "territory", "the", "voivodeship",
};

// How near a region's name must be spelt to an ISO one's to be taken for it
// when no name matches outright: one edit apart, or two past a common
// beginning this long ("Vinnytsia" and "Vinnytska"; "Taiwan" is not "Tainan",
// nor "North Khorasan" "South Khorasan"); and names this long at least.
constexpr std::size_t CommonBeginningForTwoEdits = 4;
constexpr std::size_t MinimumNearNameBytes = 7;

bool SpeltNearly(const std::string& a, const std::string& b) {
  const std::size_t common = static_cast<std::size_t>(std::mismatch(a.begin(), a.end(), b.begin(), b.end()).first - a.begin());
  const unsigned edits = EditDistance(a, b);
  return edits <= 1 || (edits == 2 && common >= CommonBeginningForTwoEdits);
}

// A folded name without the words above; empty when nothing else is left.
std::string WithoutKindWords(const std::string& folded) {
  std::string kept;
  for (std::size_t at = 0; at <= folded.size();) {
    const std::size_t end = std::min(folded.find(' ', at), folded.size());
    const std::string_view word = std::string_view(folded).substr(at, end - at);
    if (std::find(std::begin(KindWords), std::end(KindWords), word) == std::end(KindWords)) {
      kept += kept.empty() ? "" : " ";
      kept += word;
    }
    at = end + 1;
  }
  return kept;
}

nlohmann::json ReadJson(const std::filesystem::path& path) {
  std::ifstream in(path);
  if (!in) throw std::runtime_error("cannot read " + path.string());
  return nlohmann::json::parse(in);
}

// One ISO 3166-2 region of a country with its English names, folded.
struct IsoRegion {
  std::string code;          // after the country's, "BY"
  std::string cldrKey;       // "deby"
  bool topLevel;             // no parent region
  std::string officialName;  // as iso-codes writes it, "Bayern"
  std::vector<std::string> englishNames;  // folded
};

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
  return text;
}

// The ISO region `name` (folded) is the name of: the one whose code GeoNames
// uses, if its name agrees; else a top-level one of that name, else one at any
// level; the same again without the kind words.
const IsoRegion* Linked(const std::vector<IsoRegion>& isoRegions, const std::string& geonamesCode,
                        const std::string& name) {
  const std::string core = WithoutKindWords(name);
  const auto named = [&](const IsoRegion& region, bool byCore) {
    return std::any_of(region.englishNames.begin(), region.englishNames.end(), [&](const std::string& english) {
      return byCore ? !core.empty() && WithoutKindWords(english) == core : english == name;
    });
  };
  for (const IsoRegion& region : isoRegions) {
    if (region.code == geonamesCode && (named(region, false) || named(region, true))) return &region;
  }
  for (const bool byCore : {false, true}) {
    for (const bool topLevel : {true, false}) {
      for (const IsoRegion& region : isoRegions) {
        if (region.topLevel == topLevel && named(region, byCore)) return &region;
      }
    }
  }
  // Spellings a letter or two apart ("Vinnytsia", "Vinnytska oblast"): the
  // one top-level region that near, of names long enough not to be alike by
  // chance.
  const IsoRegion* near = nullptr;
  for (const IsoRegion& region : isoRegions) {
    const bool isNear = region.topLevel && core.size() >= MinimumNearNameBytes &&
                        std::any_of(region.englishNames.begin(), region.englishNames.end(), [&](const std::string& n) {
                          return SpeltNearly(WithoutKindWords(n), core);
                        });
    if (isNear && near != nullptr) return nullptr;
    if (isNear) near = &region;
  }
  return near;
}

}  // namespace

std::map<std::string, RegionNaming> ReadRegionNames(const std::filesystem::path& admin1Json,
                                                    const std::filesystem::path& iso3166_2Json,
                                                    const std::filesystem::path& cldrCommon) {
  const auto english = ReadSubdivisionNames(cldrCommon / "subdivisions" / "en.xml");
  if (english.empty()) throw std::runtime_error("no English region names in " + cldrCommon.string());
  const auto languages = ReadOfficialLanguages(cldrCommon / "supplemental" / "supplementalData.xml");
  std::map<std::string, std::multimap<std::string, std::string>> namesByLanguage;

  std::map<std::string, std::vector<IsoRegion>> isoByCountry;
  const nlohmann::json iso = ReadJson(iso3166_2Json);
  for (const auto& entry : iso.at("3166-2")) {
    const std::string code = entry.at("code");
    const std::size_t hyphen = code.find('-');
    if (hyphen == std::string::npos) continue;
    IsoRegion region{code.substr(hyphen + 1), Lower(code.substr(0, hyphen) + code.substr(hyphen + 1)),
                     !entry.contains("parent"), entry.at("name"), {FoldForSearch(entry.at("name").get<std::string>())}};
    const auto [first, last] = english.equal_range(region.cldrKey);
    for (auto name = first; name != last; ++name) region.englishNames.push_back(FoldForSearch(name->second));
    isoByCountry[code.substr(0, hyphen)].push_back(std::move(region));
  }

  std::map<std::string, RegionNaming> regions;
  const nlohmann::json admin1 = ReadJson(admin1Json);
  for (const auto& entry : admin1) {
    const std::string code = entry.at("code");
    const std::size_t dot = code.find('.');
    if (dot == std::string::npos) continue;
    const std::string country = code.substr(0, dot);
    RegionNaming& naming = regions[code];
    naming.name = entry.at("name");
    const std::string folded = FoldForSearch(naming.name);
    naming.aliases.insert(folded);
    if (const std::string core = WithoutKindWords(folded); !core.empty()) naming.aliases.insert(core);
    const IsoRegion* iso = Linked(isoByCountry[country], code.substr(dot + 1), folded);
    if (iso == nullptr) continue;
    naming.isoCode = iso->code;
    naming.aliases.insert(FoldForSearch(iso->code));
    naming.aliases.insert(FoldForSearch(iso->officialName));
    naming.aliases.insert(iso->englishNames.begin(), iso->englishNames.end());
    const auto official = languages.find(country);
    for (const std::string& language : official != languages.end() ? official->second : std::vector<std::string>{}) {
      auto [known, added] = namesByLanguage.try_emplace(language);
      if (added) known->second = ReadSubdivisionNames(cldrCommon / "subdivisions" / (language + ".xml"));
      const auto [first, last] = known->second.equal_range(iso->cldrKey);
      for (auto name = first; name != last; ++name) naming.aliases.insert(FoldForSearch(name->second));
    }
  }
  for (auto& [code, naming] : regions) naming.aliases.erase("");
  return regions;
}

}  // namespace zentara::places::atlas_maker
