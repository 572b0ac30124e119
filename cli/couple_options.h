// A couple as the subcommands that take one read it (match, composite,
// davison): each partner's astro entries as options, or a person of the book
// (--male-person, --female-person), checked as the astro entry form checks
// them, and the couple's match computed from them.
#pragma once
#include <optional>
#include <string_view>

#include "astro/match/astro_match.h"
#include "cli/astro_entry_options.h"
#include "cli/commands.h"
#include "cli/person_options.h"

namespace zentara::cli {

struct CoupleOptions {
  PartnerOptions male, female;
  PersonOptions people;
};

// --male-name ... --female-country, --male-person and --female-person.
void AddCoupleOptions(CLI::App& command, CoupleOptions& options);

// "zentara-cli COMMAND: PROBLEM" and where to read more, on stderr; ExitUsage.
int CommandUsageError(std::string_view command, std::string_view problem, Streams io);

// The couple's match on `chosen`. Nothing after saying why on stderr, with
// `status` set: a pick option missing for a partner not taken from the book
// (usage), a person the book cannot give, or an entry the form's checks
// refuse (their message, ExitRefused).
// When given, `entries` receives the entries the match was made from.
std::optional<AstroMatchResult> MatchOfCouple(const CoupleOptions& options, const ChartOptions& chosen,
                                              std::string_view command, Streams io, int& status,
                                              AstroEntries* entries = nullptr);

}  // namespace zentara::cli
