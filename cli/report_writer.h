// The couple report's PDF for zentara-cli, made by zentara-couple-report, the
// small Qt program installed with the desktop program: the command line hands
// it the checked entries and writes the bytes it returns.
#pragma once
#include <filesystem>
#include <optional>
#include <string>

#include "reports/couple_report.h"

namespace zentara::cli {

// Names the report writer to run instead of the installed one (tests).
inline constexpr const char* ReportWriterVariable = "ZENTARA_COUPLE_REPORT_WRITER";

// Where the report writer is: the variable's path when set; else beside this
// program (the build tree), else in the installation's helpers' folder
// (bin/../libexec/zentara/).
std::filesystem::path ReportWriterPath();

// The PDF's bytes, or nothing with `problem` saying why in words that follow
// "cannot make the report: " (the writer missing, failed or killed, with what
// it said).
std::optional<std::string> CoupleReportPdf(const CoupleReportInput& input, std::string& problem);

}  // namespace zentara::cli
