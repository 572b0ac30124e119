// The couple report's entries as one line of JSON text, for a program that
// makes the report on another's behalf: the command line, which has no Qt,
// hands the entries it has checked to the small Qt program that lays the
// report out (reports/couple_report_writer_main.cpp).
#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "reports/couple_report.h"

namespace zentara {

std::string CoupleReportRequestText(const CoupleReportInput& input);

// The input written by CoupleReportRequestText; nothing for any text that is
// not such a request: a field missing or of the wrong type, a pick-list
// position outside its list, an option's name the program does not know.
std::optional<CoupleReportInput> ReadCoupleReportRequest(std::string_view text);

}  // namespace zentara
