#include "astro/places/atlas_maker/name_variants.h"

#include <algorithm>
#include <string_view>
#include <vector>

namespace zentara::places::atlas_maker {

namespace {

struct Abbreviation {
  std::string_view shortWord, longWord;
};
constexpr Abbreviation Abbreviations[] = {
    {"st", "saint"},
    {"ste", "sainte"},
    {"ft", "fort"},
    {"mt", "mount"},
};

std::string_view OtherSpelling(std::string_view word) {
  for (const Abbreviation& a : Abbreviations) {
    if (word == a.shortWord) return a.longWord;
    if (word == a.longWord) return a.shortWord;
  }
  return {};
}

// A name of many such words gets the spellings of its first few only.
constexpr std::size_t MaxSpellings = 16;

}  // namespace

std::set<std::string> SpellingVariants(const std::string& folded) {
  std::vector<std::string> spellings = {""};
  for (std::size_t at = 0; at <= folded.size();) {
    const std::size_t end = std::min(folded.find(' ', at), folded.size());
    const std::string_view word = std::string_view(folded).substr(at, end - at);
    const std::string_view other = OtherSpelling(word);
    const std::string separator = at == 0 ? "" : " ";
    const std::size_t before = spellings.size();
    for (std::size_t i = 0; i < before; ++i) {
      if (!other.empty() && before < MaxSpellings / 2) spellings.push_back(spellings[i] + separator + std::string(other));
      spellings[i] += separator + std::string(word);
    }
    at = end + 1;
  }
  return {spellings.begin(), spellings.end()};
}

}  // namespace zentara::places::atlas_maker
