// The numerology path from the twelve entries on, as the form and zentara-cli
// take it: the checks, both pairs of numbers, the keys, the paragraphs and
// every reading's text, with the properties each step promises.
#pragma once
#include <array>
#include <string>

#include "fuzz/fuzz_support.h"
#include "numerology/compatibility_texts.h"
#include "numerology/numerology_entries.h"
#include "numerology/pair_numbers.h"
#include "numerology/reading_reports.h"

namespace zentara::fuzz {

inline std::array<const std::string*, 12> EntryTexts(const NumerologyEntries& e) {
  return {&e.maleFirst,  &e.maleMiddle, &e.maleLast, &e.femaleFirst, &e.femaleMiddle, &e.femaleLast,
          &e.maleMonth,  &e.maleDay,    &e.maleYear, &e.femaleMonth, &e.femaleDay,    &e.femaleYear};
}

inline std::array<std::string*, 12> EntryTexts(NumerologyEntries& e) {
  return {&e.maleFirst,  &e.maleMiddle, &e.maleLast, &e.femaleFirst, &e.femaleMiddle, &e.femaleLast,
          &e.maleMonth,  &e.maleDay,    &e.maleYear, &e.femaleMonth, &e.femaleDay,    &e.femaleYear};
}

inline bool SameEntries(const NumerologyEntries& a, const NumerologyEntries& b) {
  const auto left = EntryTexts(a);
  const auto right = EntryTexts(b);
  for (std::size_t i = 0; i < left.size(); ++i) {
    if (*left[i] != *right[i]) return false;
  }
  return true;
}

// A reduced number is one digit, or 11 where the second reduction's digits
// add up to it (29, 38); the key is the two numbers written one after the
// other, and it has a paragraph exactly when both are 1 to 9, or when it is
// "011", which reads as 11.
inline void CheckPair(int male, int female, const std::string& key, const std::string& text) {
  const std::string numbers = std::to_string(male) + " and " + std::to_string(female);
  Require(male >= 0 && male <= 11 && female >= 0 && female <= 11, "reduced numbers are 0 to 11", numbers);
  Require(key == std::to_string(male) + std::to_string(female), "the key is both numbers' digits", key);
  const bool bothDigits = male >= 1 && male <= 9 && female >= 1 && female <= 9;
  const int row = bothDigits ? (male - 1) * 9 + female - 1 : key == "011" ? 0 : -1;
  Require(text.empty() == (row < 0), "a paragraph exactly for a key of the table", numbers);
  if (row >= 0) {
    Require(text == CompatibilityTexts()[static_cast<std::size_t>(row)].text, "the key's own paragraph", key);
  }
}

inline void MakeEveryReading(const NumerologyEntries& entries) {
  if (const auto failure = CheckNumerologyEntries(entries)) {
    Require(!failure->message.empty(), "a failed check has a message");
  }
  const LifePathPair lifePath = FindLifePathPair(entries);
  CheckPair(lifePath.MaleLifePath, lifePath.FemaleLifePath, lifePath.LifePathKey, lifePath.LifePathText);
  const DestinyPair destiny = FindDestinyPair(entries);
  CheckPair(destiny.MaleDestiny, destiny.FemaleDestiny, destiny.DestinyKey, destiny.DestinyText);

  constexpr std::string_view site = "https://www.example.org";
  const std::string single = LifePathReadingText(lifePath, site) + DestinyReadingText(destiny, site);
  const ReportRuns runs = ComprehensiveReadingRuns(lifePath, destiny, site);
  const std::string plain = PlainText(runs);
  Require(plain.find(lifePath.LifePathText) != std::string::npos &&
              plain.find(destiny.DestinyText) != std::string::npos,
          "the comprehensive reading holds both paragraphs");
  const std::string html = ReportRunsToHtml(runs, "Comprehensive Compatibility");
  Require(html.ends_with("</html>\n") && !single.empty(), "every reading is made");
}

}  // namespace zentara::fuzz
