// zentara-cli numbers: both partners' life path and destiny numbers, the keys and
// the paragraphs, from the twelve entries of the numerology form.
#include <CLI/CLI.hpp>
#include <memory>
#include <ostream>

#include "cli/commands.h"
#include "cli/entry_options.h"
#include "cli/exit_status.h"
#include "cli/json_text.h"
#include "cli/person_options.h"
#include "numerology/extended_numbers.h"
#include "numerology/extended_texts.h"
#include "numerology/pair_numbers.h"

namespace zentara::cli {

namespace {

struct NumbersOptions {
  NumerologyEntries entries;
  PersonOptions people;
  bool json = false;
  bool extended = false;
};

// {"value":7,"total":25,"master":false,"karmic_debt":0}
Json NumberJson(const ReducedNumber& number) {
  return {{"value", number.Value}, {"total", number.Total}, {"master", number.IsMaster()},
          {"karmic_debt", number.KarmicDebt}};
}

// The four numbers by their JSON names, "soul_urge" ... "maturity".
constexpr std::string_view kKindKeys[] = {"soul_urge", "personality", "birthday", "maturity"};

Json ExtendedJson(const CoupleNumbers& couple) {
  Json json;
  for (const auto& [partner, numbers] : {std::pair{"male", &couple.Male}, {"female", &couple.Female}}) {
    for (std::size_t k = 0; k < ExtendedKinds.size(); ++k) {
      json[partner][std::string(kKindKeys[k])] = NumberJson(NumberOf(*numbers, ExtendedKinds[k]));
    }
  }
  for (std::size_t k = 0; k < ExtendedKinds.size(); ++k) {
    json["ratings"][std::string(kKindKeys[k])] = RatingName(couple.Ratings[k]);
  }
  return json;
}

// "Male soul urge: 11 (master)", ..., "Soul urge rating: Highly compatible", ...
void WriteExtended(std::ostream& out, const CoupleNumbers& couple) {
  for (std::size_t k = 0; k < ExtendedKinds.size(); ++k) {
    const std::string title(KindTitle(ExtendedKinds[k]));
    for (const auto& [partner, numbers] : {std::pair{"Male ", &couple.Male}, {"Female ", &couple.Female}}) {
      const ReducedNumber& number = NumberOf(*numbers, ExtendedKinds[k]);
      out << partner << title << ": " << number.Value << (number.IsMaster() ? " (master)" : "");
      if (number.KarmicDebt != 0) out << " (karmic debt " << number.KarmicDebt << ")";
      out << "\n";
    }
    out << title << " rating: " << RatingName(couple.Ratings[k]) << "\n";
  }
}

int RunNumbers(const NumbersOptions& options, Streams io) {
  NumerologyEntries entries = options.entries;
  if (const auto status = CompleteNumerologyEntries(options.people, entries, "zentara-cli numbers", io)) return *status;

  const LifePathPair lifePath = FindLifePathPair(entries);
  const DestinyPair destiny = FindDestinyPair(entries);
  if (options.json) {
    Json result = {
        {"male", {{"life_path", lifePath.MaleLifePath}, {"destiny", destiny.MaleDestiny}}},
        {"female", {{"life_path", lifePath.FemaleLifePath}, {"destiny", destiny.FemaleDestiny}}},
        {"life_path_key", lifePath.LifePathKey},
        {"destiny_key", destiny.DestinyKey},
        {"life_path_text", lifePath.LifePathText},
        {"destiny_text", destiny.DestinyText},
    };
    if (options.extended) result["extended"] = ExtendedJson(FindCoupleNumbers(entries));
    io.out << JsonText(result) << "\n";
    return ExitSuccess;
  }
  io.out << "Male life path: " << lifePath.MaleLifePath << "\n"
         << "Male destiny: " << destiny.MaleDestiny << "\n"
         << "Female life path: " << lifePath.FemaleLifePath << "\n"
         << "Female destiny: " << destiny.FemaleDestiny << "\n"
         << "Life path key: " << lifePath.LifePathKey << "\n"
         << "Life path text: " << lifePath.LifePathText << "\n"
         << "Destiny key: " << destiny.DestinyKey << "\n"
         << "Destiny text: " << destiny.DestinyText << "\n";
  if (options.extended) WriteExtended(io.out, FindCoupleNumbers(entries));
  return ExitSuccess;
}

}  // namespace

CommandAction DefineNumbers(CLI::App& command, Streams io) {
  auto options = std::make_shared<NumbersOptions>();
  AddEntryOptions(command, options->entries);
  AddPartnerPersonOptions(command, options->people);
  command.add_flag("--json", options->json, "one JSON object instead of text");
  command.add_flag("--extended", options->extended,
                   "also each partner's soul urge, personality, birthday and maturity numbers (masters kept) "
                   "and the couple's rating of each");
  return [options, io] { return RunNumbers(*options, io); };
}

}  // namespace zentara::cli
