// zentara-cli report: the couple report as one PDF, as the desktop writes it
// from the People window: a cover, the numerology readings when both partners
// are people of the book whose full names and dates the numerology form takes,
// the astro report and its scores explained, the wheel with houses, the
// aspects and overlays with their texts, the composite and Davison charts and
// the options used. The pages are laid out by the desktop's own renderer in
// zentara-couple-report (cli/report_writer.h); the file is replaced only once
// the whole PDF is in hand.
#include <CLI/CLI.hpp>
#include <memory>
#include <ostream>
#include <string>

#include "cli/commands.h"
#include "cli/couple_options.h"
#include "cli/exit_status.h"
#include "cli/person_options.h"
#include "cli/position_options.h"
#include "cli/report_writer.h"
#include "common/file_bytes.h"
#include "numerology/numerology_entries.h"

namespace zentara::cli {

namespace {

struct ReportOptions {
  CoupleOptions couple;
  std::string pdf;
  std::string equinox, node, houses, orbs;
};

// Both partners' numerology entries from the book, when both are people of
// the book and their entries pass the numerology form's checks.
std::optional<NumerologyEntries> BookNumerology(const PersonOptions& people, Streams io, int& status) {
  if (!PersonGiven(people, Partner::Male) || !PersonGiven(people, Partner::Female)) return std::nullopt;
  NumerologyEntries entries;
  if (const auto failed = PutPeople(people, entries, "zentara-cli report", io)) {
    status = *failed;
    return std::nullopt;
  }
  if (CheckNumerologyEntries(entries)) return std::nullopt;
  return entries;
}

int RunReport(const ReportOptions& options, Streams io) {
  const ChartOptions chosen{ToEquinox(options.equinox), ToNode(options.node)};
  int status = ExitSuccess;
  AstroEntries astro;
  if (!MatchOfCouple(options.couple, chosen, "report", io, status, &astro)) return status;
  CoupleReportInput input{.Astro = astro,
                          .Numerology = std::nullopt,
                          .Options = chosen,
                          .Houses = ToHouseSystem(options.houses),
                          .Orbs = ToOrbs(options.orbs)};
  input.Numerology = BookNumerology(options.couple.people, io, status);
  if (status != ExitSuccess) return status;
  if (const auto refusal = CoupleReportRefusal(input)) {
    io.err << *refusal << "\n";
    return ExitRefused;
  }
  std::string problem;
  const auto pdf = CoupleReportPdf(input, problem);
  if (!pdf) {
    io.err << "zentara-cli report: cannot make the report: " << problem << "\n";
    return ExitFile;
  }
  if (const auto failure = ReplaceFileContents(options.pdf, *pdf)) {
    io.err << "zentara-cli report: cannot write " << options.pdf << ": " << *failure << "\n";
    return ExitFile;
  }
  return ExitSuccess;
}

}  // namespace

CommandAction DefineReport(CLI::App& command, Streams io) {
  auto options = std::make_shared<ReportOptions>();
  AddCoupleOptions(command, options->couple);
  command.add_option("--pdf", options->pdf, "write the couple report to this PDF file")
      ->type_name("FILE")
      ->required();
  AddEquinoxOption(command, options->equinox);
  AddNodeOption(command, options->node);
  AddOrbsOption(command, options->orbs);
  AddHousesOption(command, options->houses);
  command.footer(
      "The partners' entries and checks are those of zentara-cli match; --equinox, --node, --houses\n"
      "and --orbs are match's too.\n\n"
      "The report is the one the desktop's People window writes: a cover with both births; the\n"
      "numerology readings, when both partners are people of the book (--male-person and\n"
      "--female-person) whose full names and dates the numerology form takes, and otherwise a line\n"
      "saying they are left out; the astro report, its four figures explained and the second score;\n"
      "the chart wheel with houses; the aspects and the overlays with their texts; the composite and\n"
      "Davison charts; and the options used, on numbered A4 pages. Nothing is written to standard\n"
      "output. The pages are laid out by zentara-couple-report, which comes with the desktop\n"
      "program; without it, or when the file cannot be written, the exit status is 3 and the file\n"
      "is left as it was: it is replaced only once the whole report is made.");
  return [options, io] { return RunReport(*options, io); };
}

}  // namespace zentara::cli
