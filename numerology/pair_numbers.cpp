#include "numerology/pair_numbers.h"

#include "numerology/compatibility_texts.h"
#include "numerology/letter_values.h"
#include "common/number_text.h"

namespace zentara {

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
  pair.MaleFullName = std::string(TrimSpaces(e.maleFirst)) + std::string(TrimSpaces(e.maleMiddle)) +
                      std::string(TrimSpaces(e.maleLast));
  pair.FemaleFullName = std::string(TrimSpaces(e.femaleFirst)) + std::string(TrimSpaces(e.femaleMiddle)) +
                        std::string(TrimSpaces(e.femaleLast));
  pair.MaleDestiny = StringToNumber(UpperCaseLatinLetters(pair.MaleFullName));
  pair.FemaleDestiny = StringToNumber(UpperCaseLatinLetters(pair.FemaleFullName));
  pair.DestinyKey = std::to_string(pair.MaleDestiny) + std::to_string(pair.FemaleDestiny);
  pair.DestinyText = LookupCompatibilityText(pair.DestinyKey);
  return pair;
}

}  // namespace zentara
