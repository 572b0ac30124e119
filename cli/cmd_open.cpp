// zentara-cli open FILE: a saved-reading file read back as the numerology form's
// open command reads it: its twelve entries, then the comprehensive reading.
#include <CLI/CLI.hpp>
#include <filesystem>
#include <memory>
#include <ostream>
#include <string>

#include "cli/commands.h"
#include "cli/entry_options.h"
#include "cli/exit_status.h"
#include "cli/json_text.h"
#include "cli/reading_output.h"
#include "cli/visible_text.h"
#include "common/file_bytes.h"
#include "reports/saved_reading.h"

namespace zentara::cli {

namespace {

struct OpenOptions {
  std::string file;
  bool json = false;
};

// Why ReadFilePrefix found nothing to read at `path`.
std::string WhyUnreadable(const std::string& path) {
  namespace fs = std::filesystem;
  std::error_code error;
  const fs::file_status status = fs::status(path, error);
  if (error && error != std::errc::no_such_file_or_directory) return error.message();  // a link loop, no access
  if (!fs::exists(status)) return "no such file";
  if (fs::is_directory(status)) return "it is a folder";
  if (!fs::is_regular_file(status)) return "it is not a regular file";
  return "it cannot be opened or read";
}

int RunOpen(const OpenOptions& options, Streams io) {
  if (!HasSavedReadingEnding(options.file)) {
    io.err << "Please Check The File.\n";
    return ExitRefused;
  }
  const auto bytes = ReadFilePrefix(options.file, MaxSavedReadingBytes);
  if (!bytes) {
    io.err << "zentara-cli open: cannot read " << options.file << ": " << WhyUnreadable(options.file) << "\n";
    return ExitFile;
  }
  const NumerologyEntries entries = DecodeSavedReading(*bytes);
  if (!PassesEntryChecks(entries, io.err)) return ExitRefused;
  const std::string reading = PlainText(MakeReading(ReadingKind::Comprehensive, entries).runs);

  if (options.json) {
    Json texts = Json::array();
    for (const EntryField& field : EntryFields) texts.push_back(entries.*field.entry);
    io.out << JsonText({{"entries", texts}, {"reading", reading}}) << "\n";
    return ExitSuccess;
  }
  for (const EntryField& field : EntryFields) {
    io.out << field.label << ": " << VisibleText(entries.*field.entry) << "\n";
  }
  io.out << "\n" << WithLineFeeds(reading);
  return ExitSuccess;
}

}  // namespace

CommandAction DefineOpen(CLI::App& command, Streams io) {
  auto options = std::make_shared<OpenOptions>();
  command.add_option("FILE", options->file, "a saved reading; its name must end in kvz")->required();
  command.add_flag("--json", options->json, "one JSON object instead of text");
  command.footer(
      "Prints the entries, one labelled line each (control characters as \\xNN or \\u00NN, a\n"
      "backslash as \\\\), an empty line and the comprehensive reading with LF line breaks. --json\n"
      "gives {\"entries\":[the twelve texts in file order],\"reading\":TEXT}, TEXT being the window's\n"
      "text with its CR LF line breaks (\"\\r\\n\"). A name not ending in kvz is refused with \"Please\n"
      "Check The File.\" (exit status 1), as are entries that fail the numerology form's checks; a\n"
      "file that cannot be read (missing, a folder, a pipe) gives exit status 3.");
  return [options, io] { return RunOpen(*options, io); };
}

}  // namespace zentara::cli
