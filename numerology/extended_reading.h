// The "Extended Numbers" reading as its report window shows it: the four
// numbers of both partners with their meanings and the couple's rating for
// each, in runs of bold and plain text with CR LF line breaks, like the
// comprehensive reading (reading_reports.h).
#pragma once
#include <string_view>

#include "numerology/extended_numbers.h"
#include "numerology/reading_reports.h"

namespace zentara {

inline constexpr std::string_view ExtendedReadingCaption = "Extended Numbers";

// The reading of `entries` (which passed the form's checks); the partners are
// named by their first names, "Male" and "Female" where those are blank.
ReportRuns ExtendedReadingRuns(const NumerologyEntries& entries, std::string_view siteAddress);

}  // namespace zentara
