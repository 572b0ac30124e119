// zentara-cli reading KIND: a pair's life path, destiny, comprehensive or extended reading
// from the twelve entries of the numerology form, as its report window shows it.
#include <CLI/CLI.hpp>
#include <memory>
#include <ostream>
#include <string>

#include "cli/commands.h"
#include "cli/entry_options.h"
#include "cli/exit_status.h"
#include "cli/person_options.h"
#include "cli/reading_output.h"

namespace zentara::cli {

namespace {

struct ReadingOptions {
  std::string kind;
  NumerologyEntries entries;
  PersonOptions people;
  bool html = false;
};

int RunReading(const ReadingOptions& options, Streams io) {
  NumerologyEntries entries = options.entries;
  if (const auto status = CompleteNumerologyEntries(options.people, entries, "zentara-cli reading", io)) return *status;
  const ReadingKind kind = options.kind == "lifepath"  ? ReadingKind::LifePath
                           : options.kind == "destiny" ? ReadingKind::Destiny
                           : options.kind == "extended" ? ReadingKind::Extended
                                                        : ReadingKind::Comprehensive;
  const Reading reading = MakeReading(kind, entries);
  io.out << (options.html ? ReportRunsToHtml(reading.runs, reading.title) : WithLineFeeds(PlainText(reading.runs)));
  return ExitSuccess;
}

}  // namespace

CommandAction DefineReading(CLI::App& command, Streams io) {
  auto options = std::make_shared<ReadingOptions>();
  command.add_option("KIND", options->kind, "which reading")
      ->required()
      ->type_name("{lifepath,destiny,comprehensive,extended}")
      ->check(CLI::IsMember({"lifepath", "destiny", "comprehensive", "extended"}).description(""));
  AddEntryOptions(command, options->entries);
  AddPartnerPersonOptions(command, options->people);
  command.add_flag("--html", options->html, "an HTML page instead of text");
  command.footer(
      "The text is the report window's, each CR LF line break written as LF. With --html the\n"
      "comprehensive and the extended reading have their headings bold; a life path or destiny\n"
      "reading is plain, as its window shows it. The extended reading is the soul urge, personality,\n"
      "birthday and maturity numbers of both partners, masters kept, with their meanings and a\n"
      "rating of the couple's two for each. The entries must pass the numerology form's checks, as\n"
      "for 'numbers'.");
  return [options, io] { return RunReading(*options, io); };
}

}  // namespace zentara::cli
