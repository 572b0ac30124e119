#include "cli/couple_options.h"

#include <ostream>
#include <string>

#include "cli/exit_status.h"

namespace zentara::cli {

void AddCoupleOptions(CLI::App& command, CoupleOptions& options) {
  AddPartnerOptions(command, Partner::Male, options.male);
  AddPartnerOptions(command, Partner::Female, options.female);
  AddPartnerPersonOptions(command, options.people);
}

int CommandUsageError(std::string_view command, std::string_view problem, Streams io) {
  io.err << "zentara-cli " << command << ": " << problem << "\nTry 'zentara-cli " << command << " --help'.\n";
  return ExitUsage;
}

std::optional<AstroMatchResult> MatchOfCouple(const CoupleOptions& options, const ChartOptions& chosen,
                                              std::string_view command, Streams io, int& status,
                                              AstroEntries* given) {
  for (const auto& [partner, given] : {std::pair{Partner::Male, &options.male}, {Partner::Female, &options.female}}) {
    if (PersonGiven(options.people, partner)) continue;
    if (const auto missing = MissingPickOption(*given, partner)) {
      status = CommandUsageError(command, *missing, io);
      return std::nullopt;
    }
  }
  AstroEntries entries{ToPartnerEntries(options.male), ToPartnerEntries(options.female)};
  if (const auto refused = PutPeople(options.people, entries, "zentara-cli " + std::string(command), io)) {
    status = *refused;
    return std::nullopt;
  }
  if (const auto failure = CheckAstroEntries(entries)) {
    io.err << failure->Message << "\n";
    status = ExitRefused;
    return std::nullopt;
  }
  if (given != nullptr) *given = entries;
  auto match = CalculateAstroMatch(entries, chosen);
  if (!match) {  // the option checks let through only entries the form can hold
    io.err << "zentara-cli " << command << ": the entries do not make a birth\n";
    status = ExitUsage;
  }
  return match;
}

}  // namespace zentara::cli
