#include "cli/reading_output.h"

#include "numerology/extended_reading.h"

#include "numerology/pair_numbers.h"
#include "site_config.h"

namespace zentara::cli {

Reading MakeReading(ReadingKind kind, const NumerologyEntries& entries) {
  switch (kind) {
    case ReadingKind::LifePath:
      return {{{LifePathReadingText(FindLifePathPair(entries), MakerSiteAddress), false}},
              std::string(LifePathReadingCaption)};
    case ReadingKind::Destiny:
      return {{{DestinyReadingText(FindDestinyPair(entries), MakerSiteAddress), false}},
              std::string(DestinyReadingCaption)};
    case ReadingKind::Extended:
      return {ExtendedReadingRuns(entries, MakerSiteAddress), std::string(ExtendedReadingCaption)};
    case ReadingKind::Comprehensive:
      break;
  }
  return {ComprehensiveReadingRuns(FindLifePathPair(entries), FindDestinyPair(entries), MakerSiteAddress),
          "Comprehensive Reading"};
}

std::string WithLineFeeds(std::string_view text) {
  std::string result;
  result.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    result += text[i];
  }
  return result;
}

}  // namespace zentara::cli
