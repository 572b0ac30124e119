#include "numerology/extended_reading.h"

#include <string>

#include "numerology/extended_texts.h"

namespace zentara {
namespace {

std::string Trimmed(std::string_view text, std::string_view fallback) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return std::string(text.empty() ? fallback : text);
}

// "7", "11 (master)", "4 (karmic debt 13)".
std::string NumberText(const ReducedNumber& number) {
  std::string text = std::to_string(number.Value);
  if (number.IsMaster()) text += " (master)";
  if (number.KarmicDebt != 0) text += " (karmic debt " + std::to_string(number.KarmicDebt) + ")";
  return text;
}

// "John's 7: One starts things. ..." with the karmic debt's sentence after it.
std::string PartnerLine(const std::string& name, const ReducedNumber& number) {
  std::string line = name + "'s " + std::to_string(number.Value) + ": ";
  line += number.Value == 0 ? std::string("no letters to count.") : std::string(NumberMeaning(number.Value));
  if (const std::string_view debt = KarmicDebtText(number.KarmicDebt); !debt.empty()) line += " " + std::string(debt);
  return line;
}

}  // namespace

ReportRuns ExtendedReadingRuns(const NumerologyEntries& entries, std::string_view siteAddress) {
  const CoupleNumbers couple = FindCoupleNumbers(entries);
  const std::string him = Trimmed(entries.maleFirst, "Male"), her = Trimmed(entries.femaleFirst, "Female");
  const std::string br(ReportLineBreak);
  ReportRuns runs;
  runs.push_back({"Extended Numbers" + br + br, true});
  runs.push_back({"These four numbers keep the master numbers 11, 22 and 33 and note the karmic debts 13, 14, 16 "
                  "and 19 met on the way down. The LifePath, Destiny and Comprehensive readings reduce without "
                  "master numbers, as they always have. The ratings follow the LoveToKnow numerology "
                  "compatibility chart (2024), made for life path numbers and read here for all four; a master "
                  "number counts there as its digit sum." +
                      br + br,
                  false});
  for (std::size_t k = 0; k < ExtendedKinds.size(); ++k) {
    const NumberKind kind = ExtendedKinds[k];
    const ReducedNumber& his = NumberOf(couple.Male, kind);
    const ReducedNumber& hers = NumberOf(couple.Female, kind);
    runs.push_back({std::string(KindTitle(kind)) + ": " + him + " " + NumberText(his) + ", " + her + " " +
                        NumberText(hers) + br,
                    true});
    runs.push_back({std::string(KindIntro(kind)) + br + PartnerLine(him, his) + br + PartnerLine(her, hers) + br, false});
    runs.push_back({"Rating: " + std::string(RatingName(couple.Ratings[k])) + br, true});
    const std::string_view rating = RatingText(couple.Ratings[k]);
    runs.push_back({(rating.empty() ? std::string("A name without letters gives no rating.") : std::string(rating)) +
                        br + br,
                    false});
  }
  runs.push_back({Footer(siteAddress), false});
  return runs;
}

}  // namespace zentara
