// The numerology readings as zentara-cli prints them: the texts of the desktop's
// report windows, built by the pure library.
#pragma once
#include <string>
#include <string_view>

#include "numerology/numerology_entries.h"
#include "numerology/reading_reports.h"

namespace zentara::cli {

enum class ReadingKind { LifePath, Destiny, Comprehensive, Extended };

struct Reading {
  ReportRuns runs;    // a single reading is one plain run
  std::string title;  // its window's caption, the HTML page's title
};

// The reading of `kind` for `entries`, which must have passed the form's checks,
// with the maker's site address in its footers.
Reading MakeReading(ReadingKind kind, const NumerologyEntries& entries);

// `text` with each CR LF written as LF, the line break of text files here.
std::string WithLineFeeds(std::string_view text);

}  // namespace zentara::cli
