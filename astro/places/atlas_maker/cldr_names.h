// Unicode CLDR's names of ISO 3166-2 regions in many languages, and the
// languages official in each country, from the XML files of Debian's
// unicode-cldr-core (/usr/share/unicode/cldr/common).
#pragma once
#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace zentara::places::atlas_maker {

// common/subdivisions/LANG.xml: the region's code as CLDR writes it (the ISO
// 3166-2 code in lower case without its hyphen, "deby") -> its name in that
// language ("Bayern"), without the superscript digits CLDR marks some names
// with. Several names for one code (alternative forms) all count. Nothing when
// the file does not exist.
std::multimap<std::string, std::string> ReadSubdivisionNames(const std::filesystem::path& xml);

// common/supplemental/supplementalData.xml: ISO 3166-1 alpha-2 code -> the
// languages official there, in the whole country or in a part of it ("DE" ->
// "de"; "IN" -> "hi", "en", "bn", "mr", ...), as CLDR's file names give them
// ("zh_Hant").
std::map<std::string, std::vector<std::string>> ReadOfficialLanguages(const std::filesystem::path& xml);

}  // namespace zentara::places::atlas_maker
