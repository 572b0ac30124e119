// zentara-couple-report: lays the couple report out as a PDF for zentara-cli,
// which computes everything else without Qt. It reads one request
// (reports/couple_report_request.h) on its standard input and writes the PDF's
// bytes to its standard output; it opens no window and no file. Exit status 0
// when the PDF was written whole, 1 for a request it cannot use, 3 when the
// pages or the output could not be written; the reason goes to standard error.
#include <QApplication>
#include <QBuffer>
#include <cstdio>
#include <string>

#include "astro/match/couple_report_pdf.h"
#include "numerology/numerology_entries.h"
#include "platform/system_files.h"
#include "reports/couple_report_request.h"

namespace {

// A request is a few kilobytes; anything far larger is not one.
constexpr std::size_t kMaxRequestBytes = 1 << 20;

int Fail(const char* why, int status) {
  std::fprintf(stderr, "zentara-couple-report: %s\n", why);
  return status;
}

}  // namespace

int main(int argc, char** argv) {
  zentara::system::OpenMissingStandardStreams();
  zentara::system::ReportFileSizeLimitAsError();
  if (argc != 1) return Fail("takes no arguments; it reads a request from zentara-cli on its standard input", 1);
  std::string text;
  char buffer[65536];
  std::size_t got = 0;
  while ((got = std::fread(buffer, 1, sizeof buffer, stdin)) > 0) {
    text.append(buffer, got);
    if (text.size() > kMaxRequestBytes) return Fail("the request is too long", 1);
  }
  const auto input = zentara::ReadCoupleReportRequest(text);
  if (!input) return Fail("the request is not one zentara-cli writes", 1);
  // The caller checked the entries; checked again, so that no request can
  // reach the calculations with entries the forms would refuse.
  if (zentara::CheckAstroEntries(input->Astro)) return Fail("the request's astro entries fail their checks", 1);
  if (input->Numerology && zentara::CheckNumerologyEntries(*input->Numerology)) {
    return Fail("the request's numerology entries fail their checks", 1);
  }
  if (const auto refusal = zentara::CoupleReportRefusal(*input)) return Fail(std::string(*refusal).c_str(), 1);
  // No display is needed: the pages are drawn in memory.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QBuffer pdf;
  pdf.open(QIODevice::WriteOnly);
  if (!astro::WriteCoupleReportPdf(pdf, *input)) return Fail("the entries make no match", 1);
  const QByteArray& bytes = pdf.data();
  if (std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stdout) !=
          static_cast<std::size_t>(bytes.size()) ||
      std::fflush(stdout) != 0) {
    return Fail("the PDF could not be written to standard output", 3);
  }
  return 0;
}
