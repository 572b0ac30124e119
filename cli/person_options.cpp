#include "cli/person_options.h"

#include <CLI/CLI.hpp>
#include <ostream>

#include "book/person_entries.h"
#include "cli/entry_options.h"
#include "cli/exit_status.h"
#include "cli/people_access.h"
#include "cli/visible_text.h"

namespace zentara::cli {

namespace {

void ExcludeOptionsStarting(CLI::App& command, CLI::Option* person, std::string_view prefix) {
  for (CLI::Option* option : command.get_options()) {
    if (option != person && option->get_name().rfind(prefix, 0) == 0) person->excludes(option);
  }
}

// Each person named, put into its partner's entries by `put`.
template <class Put>
std::optional<int> ForEachPerson(const PersonOptions& options, std::string_view who, Streams io, Put put) {
  if (!PersonGiven(options, Partner::Male) && !PersonGiven(options, Partner::Female)) return std::nullopt;
  auto book = OpenBookOrSay(options.book, who, io);
  if (!book) return ExitFile;
  try {
    for (const Partner partner : {Partner::Male, Partner::Female}) {
      if (!PersonGiven(options, partner)) continue;
      std::string problem;
      const auto person = FindPerson(*book, partner == Partner::Male ? options.male : options.female, problem);
      if (!person) {
        io.err << who << ": " << VisibleText(problem) << "\n";
        return ExitRefused;
      }
      if (auto refused = put(*person, partner)) {
        io.err << who << ": " << VisibleText(*refused) << "\n";
        return ExitRefused;
      }
    }
  } catch (const book::BookError& failure) {
    io.err << who << ": " << VisibleText(BookFailureText(*book, failure)) << "\n";
    return ExitFile;
  }
  return std::nullopt;
}

}  // namespace

void AddPartnerPersonOptions(CLI::App& command, PersonOptions& options) {
  options.maleOption = command.add_option("--male-person", options.male,
                                          "the male partner from the book of people, in place of the --male- options")
                           ->type_name("ID|NAME")
                           ->check(PersonNamed);
  options.femaleOption = command.add_option("--female-person", options.female,
                                            "the female partner from the book, in place of the --female- options")
                             ->type_name("ID|NAME")
                             ->check(PersonNamed);
  ExcludeOptionsStarting(command, options.maleOption, "--male-");
  ExcludeOptionsStarting(command, options.femaleOption, "--female-");
  AddBookOption(command, options.book);
}

void AddSinglePersonOption(CLI::App& command, PersonOptions& options) {
  options.maleOption = command.add_option("--person", options.male,
                                          "the birth of a person of the book, in place of the birth options")
                           ->type_name("ID|NAME")
                           ->check(PersonNamed);
  for (const char* name : {"--date", "--time", "--zone", "--dst", "--lat", "--lon"}) {
    if (CLI::Option* birth = command.get_option_no_throw(name)) {
      birth->required(false);
      options.maleOption->excludes(birth);
    }
  }
  AddBookOption(command, options.book);
}

bool PersonGiven(const PersonOptions& options, Partner partner) {
  const CLI::Option* option = partner == Partner::Male ? options.maleOption : options.femaleOption;
  return option != nullptr && option->count() > 0;
}

std::optional<int> PutPeople(const PersonOptions& options, NumerologyEntries& entries, std::string_view who,
                             Streams io) {
  return ForEachPerson(options, who, io, [&](const book::Person& person, Partner partner) -> std::optional<std::string> {
    book::PutNumerologySide(person, partner, entries);
    return std::nullopt;
  });
}

std::optional<int> PutPeople(const PersonOptions& options, AstroEntries& entries, std::string_view who, Streams io) {
  return ForEachPerson(options, who, io, [&](const book::Person& person, Partner partner) -> std::optional<std::string> {
    if (auto why = book::WhyNoAstroMatch(person)) return why;
    (partner == Partner::Male ? entries.Male : entries.Female) = book::AstroSide(person);
    return std::nullopt;
  });
}

std::optional<int> CompleteNumerologyEntries(const PersonOptions& options, NumerologyEntries& entries,
                                             std::string_view who, Streams io) {
  if (const auto status = PutPeople(options, entries, who, io)) return status;
  if (!PassesEntryChecks(entries, io.err)) return ExitRefused;
  return std::nullopt;
}

}  // namespace zentara::cli
