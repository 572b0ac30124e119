// --male-person and --female-person (chart: --person): a person of the book in
// place of one partner's separate options, for match, numbers, reading, save
// and chart. ID|NAME as cli/people_access.h finds them.
#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "astro/match/astro_entries.h"
#include "cli/commands.h"
#include "numerology/numerology_entries.h"

namespace CLI {
class App;
class Option;
}  // namespace CLI

namespace zentara::cli {

struct PersonOptions {
  std::string male, female, book;
  CLI::Option* maleOption = nullptr;    // --male-person, or chart's --person
  CLI::Option* femaleOption = nullptr;  // nullptr for chart
};

// Adds --male-person, --female-person and --book to `command`. Each person
// option excludes that partner's own options already added, those whose names
// begin with --male- or --female-.
void AddPartnerPersonOptions(CLI::App& command, PersonOptions& options);
// chart: --person and --book; --person excludes the birth options.
void AddSinglePersonOption(CLI::App& command, PersonOptions& options);

bool PersonGiven(const PersonOptions& options, Partner partner);

// Puts the people named into their partners' entries: the numerology form's
// six entries, or everything the astro form holds. Nothing on success; an
// exit status after saying why on io.err as `who`: 3 for a book that cannot
// be opened, 1 for a person not found or ambiguous, or (astro) one the astro
// match cannot take.
std::optional<int> PutPeople(const PersonOptions& options, NumerologyEntries& entries, std::string_view who, Streams io);
std::optional<int> PutPeople(const PersonOptions& options, AstroEntries& entries, std::string_view who, Streams io);

// The numerology entries a command works on: `entries` with the people named
// put in, passing the form's checks (their message on io.err). Nothing on
// success; the exit status otherwise.
std::optional<int> CompleteNumerologyEntries(const PersonOptions& options, NumerologyEntries& entries,
                                             std::string_view who, Streams io);

}  // namespace zentara::cli
