// The spellings of a place's name that people write with the common
// abbreviations of its words, so "Ft. Worth" finds Fort Worth and "Saint Louis"
// St. Louis.
#pragma once
#include <set>
#include <string>

namespace zentara::places::atlas_maker {

// A folded name (FoldForSearch) with each of its words "st", "ste", "ft", "mt"
// and "saint", "sainte", "fort", "mount" spelt either way, in every
// combination (at most 16); the name itself included ("st louis" ->
// "st louis", "saint louis").
std::set<std::string> SpellingVariants(const std::string& folded);

}  // namespace zentara::places::atlas_maker
