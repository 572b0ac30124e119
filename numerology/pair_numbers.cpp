#include "numerology/pair_numbers.h"

#include "numerology/compatibility_texts.h"
#include "numerology/letter_values.h"

namespace zentara {

std::string TrimSpaces(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

LifePathPair FindLifePathPair(const NumerologyEntries& e) {
  LifePathPair pair;
  pair.MaleLifePath = SingleDigitNumber(TrimSpaces(e.maleDay), TrimSpaces(e.maleMonth), TrimSpaces(e.maleYear));
  pair.FemaleLifePath =
      SingleDigitNumber(TrimSpaces(e.femaleDay), TrimSpaces(e.femaleMonth), TrimSpaces(e.femaleYear));
  pair.LifePathKey = std::to_string(pair.MaleLifePath) + std::to_string(pair.FemaleLifePath);
  pair.LifePathText = LookupCompatibilityText(pair.LifePathKey);
  return pair;
}

DestinyPair FindDestinyPair(const NumerologyEntries& e) {
  DestinyPair pair;
  pair.MaleFullName = TrimSpaces(e.maleFirst) + TrimSpaces(e.maleMiddle) + TrimSpaces(e.maleLast);
  pair.FemaleFullName = TrimSpaces(e.femaleFirst) + TrimSpaces(e.femaleMiddle) + TrimSpaces(e.femaleLast);
  pair.MaleDestiny = StringToNumber(UpperCaseLatinLetters(pair.MaleFullName));
  pair.FemaleDestiny = StringToNumber(UpperCaseLatinLetters(pair.FemaleFullName));
  pair.DestinyKey = std::to_string(pair.MaleDestiny) + std::to_string(pair.FemaleDestiny);
  pair.DestinyText = LookupCompatibilityText(pair.DestinyKey);
  return pair;
}

}  // namespace zentara
