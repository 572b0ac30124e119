#include "cli/report_writer.h"

#include <cerrno>
#include <cstdlib>

#include "platform/child_program.h"
#include "platform/system_files.h"
#include "reports/couple_report_request.h"

namespace zentara::cli {

namespace {

constexpr const char* kWriterName = "zentara-couple-report";
// A report is well under a megabyte; a writer that writes far more is broken.
constexpr std::size_t kMaxPdfBytes = 256u << 20;

// The writer's last words, on one line, without Qt's own warnings before them.
std::string LastLine(std::string text) {
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
  const std::size_t cut = text.rfind('\n');
  return cut == std::string::npos ? text : text.substr(cut + 1);
}

}  // namespace

std::filesystem::path ReportWriterPath() {
  if (const char* chosen = std::getenv(ReportWriterVariable); chosen != nullptr && *chosen != '\0') return chosen;
  const std::filesystem::path folder = system::ProgramFile().parent_path();
  const std::filesystem::path beside = folder / kWriterName;
  if (system::KindOf(beside) == system::FileKind::Regular) return beside;
  return (folder / ZENTARA_HELPERS_FROM_PROGRAMS / kWriterName).lexically_normal();
}

std::optional<std::string> CoupleReportPdf(const CoupleReportInput& input, std::string& problem) {
  const std::filesystem::path writer = ReportWriterPath();
  int error = 0;
  auto run = system::RunChildProgram(writer, {}, CoupleReportRequestText(input), kMaxPdfBytes, error);
  if (!run) {
    problem = error == ENOENT ? writer.string() + " is not installed; it comes with the desktop program"
                              : writer.string() + ": " + system::ErrorText(error);
    return std::nullopt;
  }
  if (!run->exited || run->status != 0) {
    const std::string said = LastLine(run->errors);
    problem = writer.string() + (run->exited ? " failed (exit status " + std::to_string(run->status) + ")"
                                             : " was ended by signal " + std::to_string(run->status));
    if (!said.empty()) problem += ": " + said;
    return std::nullopt;
  }
  // Whatever exits 0 with no PDF is no report writer.
  if (run->output.rfind("%PDF-", 0) != 0) {
    problem = writer.string() + " wrote no PDF";
    return std::nullopt;
  }
  return std::move(run->output);
}

}  // namespace zentara::cli
