// zentara-cli save FILE: the twelve entries of the numerology form written as a
// saved-reading file, the bytes the desktop program's Save writes.
#include <CLI/CLI.hpp>
#include <memory>
#include <ostream>
#include <string>
#include <tuple>

#include "cli/commands.h"
#include "cli/entry_options.h"
#include "cli/exit_status.h"
#include "cli/person_options.h"
#include "common/file_bytes.h"
#include "reports/saved_reading.h"

namespace zentara::cli {

namespace {

struct SaveOptions {
  std::string file;
  NumerologyEntries entries;
  PersonOptions people;
};

auto AllEntries(const NumerologyEntries& e) {
  return std::tie(e.maleFirst, e.maleMiddle, e.maleLast, e.femaleFirst, e.femaleMiddle, e.femaleLast,
                  e.maleMonth, e.maleDay, e.maleYear, e.femaleMonth, e.femaleDay, e.femaleYear);
}

int RunSave(const SaveOptions& options, Streams io) {
  if (options.file.empty()) {
    io.err << "zentara-cli save: FILE is empty; give the name of the file to write\n";
    return ExitUsage;
  }
  NumerologyEntries entries = options.entries;
  if (const auto status = CompleteNumerologyEntries(options.people, entries, "zentara-cli save", io)) return *status;
  const std::string path = WithDefaultExtension(options.file, SavedReadingExtension);
  const std::string bytes = EncodeSavedReading(entries);
  // The whole file or nothing: a failed write leaves what was there before.
  if (const auto failure = ReplaceFileContents(path, bytes)) {
    io.err << "zentara-cli save: cannot write " << path << ": " << *failure << "\n";
    return ExitFile;
  }
  // The file format drops some characters; say so rather than lose them unseen.
  if (AllEntries(DecodeSavedReading(bytes)) != AllEntries(entries)) {
    io.err << "zentara-cli save: warning: " << path
           << " cannot keep every character of these entries (it holds Windows-1252 characters up to"
              " code 170): opening it gives them with those characters left out or as '?'\n";
  }
  io.out << path << "\n";
  return ExitSuccess;
}

}  // namespace

CommandAction DefineSave(CLI::App& command, Streams io) {
  auto options = std::make_shared<SaveOptions>();
  command.add_option("FILE", options->file, "the file to write; .kvz is added when its name has no extension")
      ->required();
  AddEntryOptions(command, options->entries);
  AddPartnerPersonOptions(command, options->people);
  command.footer(
      "The entries must pass the numerology form's checks, as for 'numbers'. FILE is replaced whole,\n"
      "or left as it was when writing fails (exit status 3). The name written is printed on stdout.");
  return [options, io] { return RunSave(*options, io); };
}

}  // namespace zentara::cli
