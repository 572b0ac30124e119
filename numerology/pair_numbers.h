// Both partners' life path and destiny numbers, the keys they form and the
// paragraphs the keys find: everything a numerology reading shows.
#pragma once
#include <cstdint>
#include <string>

#include "numerology/numerology_entries.h"

namespace zentara {

struct LifePathPair {
  std::int16_t MaleLifePath = 0, FemaleLifePath = 0;
  std::string LifePathKey;   // male digits then female digits, e.g. "35"
  std::string LifePathText;  // empty when the key has no paragraph
};

struct DestinyPair {
  std::string MaleFullName, FemaleFullName;  // the three parts trimmed and joined
  std::int16_t MaleDestiny = 0, FemaleDestiny = 0;
  std::string DestinyKey;
  std::string DestinyText;
};

// From the birth dates, each part with the spaces around it removed.
LifePathPair FindLifePathPair(const NumerologyEntries& entries);

// From the names: each part trimmed, the parts joined without separator, a to z
// counted as their capitals.
DestinyPair FindDestinyPair(const NumerologyEntries& entries);

}  // namespace zentara
