// Any texts as the numerology form's twelve entries, one a line in the form's
// file order (male first, middle and last name, the same for the female
// partner, then each partner's month, day and year): the checks, the digit
// reduction, the keys, the paragraphs and the readings, and the entries saved
// and opened again.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/fuzz_support.h"
#include "fuzz/numerology_reading.h"
#include "numerology/compatibility_texts.h"
#include "numerology/letter_values.h"
#include "common/number_text.h"
#include "reports/saved_reading.h"

using namespace zentara;
using namespace zentara::fuzz;

namespace {

void CheckPrimitives(std::string_view text) {
  const std::string upper = UpperCaseLatinLetters(text);
  Require(upper.size() == text.size(), "upper-casing keeps every byte", text);
  for (std::size_t i = 0; i < text.size(); ++i) {
    const bool small = text[i] >= 'a' && text[i] <= 'z';
    Require(small ? upper[i] == text[i] - 'a' + 'A' : upper[i] == text[i], "only a to z change", text);
  }
  const int destiny = StringToNumber(upper);
  Require(destiny >= 0 && destiny <= 11, "a name reduces to 0 to 11", text);

  // A text finds a paragraph exactly when it reads as a key of the table.
  const std::string paragraph = LookupCompatibilityText(text);
  const auto value = ReadDecimalNumber(text);
  bool isKey = false;
  for (const CompatibilityText& row : CompatibilityTexts()) isKey = isKey || (value && *value == row.key);
  Require(paragraph.empty() != isKey, "a paragraph exactly for a key", text);
  if (value) {
    if (const auto rounded = RoundToInt16(*value)) {
      Require(*rounded - *value <= 0.5 && *value - *rounded <= 0.5, "rounding moves at most a half", text);
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto fields = SplitFields<12>(AsText(data, size));
  NumerologyEntries entries;
  const auto texts = EntryTexts(entries);
  for (std::size_t i = 0; i < fields.size(); ++i) texts[i]->assign(fields[i]);

  for (const std::string_view field : fields) CheckPrimitives(field);
  for (const auto& [day, month, year] : {std::array{entries.maleDay, entries.maleMonth, entries.maleYear},
                                         std::array{entries.femaleDay, entries.femaleMonth, entries.femaleYear}}) {
    const int lifePath = SingleDigitNumber(day, month, year);
    Require(lifePath >= 0 && lifePath <= 11, "a date reduces to 0 to 11", day + "/" + month + "/" + year);
  }
  MakeEveryReading(entries);

  // Saving keeps what the code page can hold; a second save of what was
  // opened writes the same file (for entries no longer than a file keeps).
  for (const std::string_view field : fields) {
    if (field.size() > MaxSavedEntryBytes) return 0;
  }
  const std::string saved = EncodeSavedReading(entries);
  const NumerologyEntries opened = DecodeSavedReading(saved);
  Require(EncodeSavedReading(opened) == saved, "a saved reading opens to what was saved", saved);
  return 0;
}
