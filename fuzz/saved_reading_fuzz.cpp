// Any bytes opened as a saved-reading file: the twelve entries read back, saved
// and read again, then the comprehensive reading made from them.
#include <cstddef>
#include <cstdint>

#include "fuzz/fuzz_support.h"
#include "fuzz/numerology_reading.h"
#include "reports/saved_reading.h"

using namespace zentara;
using namespace zentara::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const NumerologyEntries entries = DecodeSavedReading(AsText(data, size));
  for (const std::string* entry : EntryTexts(entries)) {
    Require(entry->size() <= 2 * MaxSavedEntryBytes, "an entry is one bounded line", *entry);
  }

  // Whatever a file held, the entries it gave are saved and opened unchanged,
  // and their file stays within what a reader takes in.
  const std::string saved = EncodeSavedReading(entries);
  Require(saved.size() <= MaxSavedReadingBytes, "a saved file fits the reader's limit");
  Require(SameEntries(DecodeSavedReading(saved), entries), "opening what was saved gives the same entries",
          saved);

  MakeEveryReading(entries);
  return 0;
}
