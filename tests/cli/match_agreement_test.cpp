// zentara-cli match --batch against match for each couple: on random couples
// of entries the form can hold, some of them failing its checks, every row
// gives the positions and score that match --json gives, or match's refusal;
// with --equinox date and --aspects, also the equinox and the aspects match
// --json lists with the same options, and with --houses and --overlays the
// cusps and overlays of its houses, and a note where it says a system fell
// back; with --relationship-score the second score's value.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "cli/commands.h"

namespace {

constexpr int CoupleCount = 300;
const std::vector<std::string> Columns = {"name", "date", "time", "zone", "dst", "lat", "lon", "city", "state", "country"};
using Partner = std::vector<std::string>;  // a text for each column; an empty one is an empty box
// An entry of each column that passes every check.
const std::map<std::string, std::string> GoodEntry = {
    {"name", "Good"}, {"date", "1975-08-15"}, {"time", "14:30"}, {"zone", "34"},   {"dst", "0"},
    {"lat", "28N36"}, {"lon", "77E13"},       {"city", "Good"},  {"state", "Good"}, {"country", "Good"}};

constexpr unsigned CoupleSeed = 20500101;
std::mt19937 engine(CoupleSeed);  // reseeded: the same couples every run
int Pick(int lowest, int highest) { return lowest + static_cast<int>(engine() % unsigned(highest - lowest + 1)); }
std::string Number(int lowest, int highest, bool twoDigits = false) {
  const int n = Pick(lowest, highest);
  return (twoDigits && n < 10 ? "0" : "") + std::to_string(n);
}
std::string Letters() {  // a capital, then small letters and spaces
  std::string text(1, static_cast<char>('A' + Pick(0, 25)));
  for (int i = Pick(0, 15); i > 0; --i) text += Pick(0, 6) ? static_cast<char>('a' + Pick(0, 25)) : ' ';
  return text;
}

// About one partner in ten has a day its month lacks, an empty box, or both.
Partner RandomPartner() {
  const bool faulty = Pick(0, 9) == 0;
  Partner p = {Letters(), Number(1901, 2050) + "-" + Number(1, 12, true) + "-" + Number(1, faulty ? 31 : 28, true),
               Number(0, 23) + ":" + Number(0, 59, true), Number(0, 70), Number(0, 1),
               Number(0, 999) + (Pick(0, 1) ? "N" : "S") + Number(0, 999),
               Number(0, 999) + (Pick(0, 1) ? "E" : "W") + Number(0, 999), Letters(), Letters(), Letters()};
  if (faulty && Pick(0, 1)) p[std::vector<std::size_t>{0, 7, 8, 9}[Pick(0, 3)]].clear();
  if (faulty && Pick(0, 1)) p[5] = "N" + Number(0, 999);  // no latitude degrees
  return p;
}

// An aspect of match --json as the batch's column writes it: "venus-trine-mars
// 1.20", the separation's degrees and minutes as degrees with two decimals.
std::string AspectKey(const nlohmann::ordered_json& aspect) {
  const std::string separation = aspect["separation"];  // "1°12'"
  const int degrees = std::stoi(separation);
  const int minutes = std::stoi(separation.substr(separation.find("\u00B0") + 2));
  char decimals[16];
  std::snprintf(decimals, sizeof decimals, "%.2f", degrees + minutes / 60.0 + 1e-9);
  return std::string(aspect["male"]) + "-" + std::string(aspect["kind"]) + "-" + std::string(aspect["female"]) +
         " " + decimals;
}

// A JSON array's texts, or an object's "key value" pairs, joined by "; ", as
// the batch's house columns write them.
std::string JoinedList(const nlohmann::ordered_json& list) {
  std::string joined;
  for (auto item = list.begin(); item != list.end(); ++item) {
    joined += joined.empty() ? "" : "; ";
    joined += list.is_array() ? std::string(*item) : item.key() + " " + std::to_string(int(*item));
  }
  return joined;
}

struct SingleMatch {
  int status = 0;
  // The figures (28 positions, then the score) joined by commas, followed
  // with `extra` options by the equinox and the aspects as the batch writes
  // them, and with --houses by the cusps and the overlays.
  std::string figures;
  std::string message;  // the error stream
  std::string notes;    // with --houses, "male houses: ..." lines for the fallbacks it reports
};

// match --json with `extra` options.
SingleMatch RunMatch(const Partner& male, const Partner& female, const std::vector<std::string>& extra = {},
                     bool scoreColumn = false) {
  std::vector<std::string> words = {"match", "--json"};
  words.insert(words.end(), extra.begin(), extra.end());
  for (const auto& [sex, partner] : {std::pair{"male", &male}, {"female", &female}}) {
    for (std::size_t c = 0; c < Columns.size(); ++c) {
      const std::string option = "--" + std::string(sex) + "-" + Columns[c];
      if (Columns[c] == "dst") {
        if ((*partner)[c] == "1") words.push_back(option);
      } else if (!(*partner)[c].empty()) {
        words.insert(words.end(), {option, (*partner)[c]});
      }
    }
  }
  std::ostringstream out, err;
  const int status = zentara::cli::RunCli(words, {out, err});
  if (status != 0) return {status, "", err.str(), ""};
  // In the order written: the overlays' points are in the chart's order.
  const nlohmann::ordered_json match = nlohmann::ordered_json::parse(out.str());
  std::string figures;
  const auto add = [&figures](const std::string& text) { figures += (figures.empty() ? "" : ",") + text; };
  for (const char* partner : {"male", "female"}) {
    for (const nlohmann::ordered_json& position : match[partner]["positions"]) add(position["text"]);
  }
  for (const char* number : {"power", "harmony", "ph", "percentage"}) add(std::to_string(int(match[number])));
  add(match["comment"]);
  if (!extra.empty()) {
    add(match["equinox"]);
    std::string aspects;
    for (const nlohmann::ordered_json& aspect : match["aspects"]) aspects += (aspects.empty() ? "" : "; ") + AspectKey(aspect);
    add(aspects);
  }
  std::string notes;
  if (std::find(extra.begin(), extra.end(), "--houses") != extra.end()) {
    const nlohmann::ordered_json& houses = match["houses"];
    add(JoinedList(houses["male"]));
    add(JoinedList(houses["female"]));
    add(JoinedList(match["overlays"]["male_in_female_houses"]));
    add(JoinedList(match["overlays"]["female_in_male_houses"]));
    for (const char* partner : {"male", "female"}) {
      const std::string fallback = std::string(partner) + "_fallback";
      if (houses.contains(fallback)) notes += std::string(partner) + " houses: " + std::string(houses[fallback]) + "\n";
    }
  }
  if (scoreColumn) add(std::to_string(int(match["relationship_score"]["value"])));
  return {status, figures, err.str(), notes};
}

// The batch with `options` against match --json with the same.
void ExpectBatchAgreesWithMatch(const std::vector<std::string>& options) {
  engine.seed(CoupleSeed);
  // The female columns first, unlike the options.
  std::string csv;
  for (const char* sex : {"female-", "male-"}) {
    for (const std::string& column : Columns) csv += sex + column + ",";
  }
  csv.back() = '\n';
  std::vector<std::pair<Partner, Partner>> couples;
  for (int i = 0; i < CoupleCount; ++i) {
    const auto& [male, female] = couples.emplace_back(RandomPartner(), RandomPartner());
    for (const Partner* partner : {&female, &male}) {
      for (const std::string& text : *partner) csv += text + ",";
    }
    csv.back() = '\n';
  }
  const auto path = std::filesystem::temp_directory_path() / ("zentara-couples-" + std::to_string(::getpid()) + ".csv");
  std::ofstream(path) << csv;
  std::ostringstream out, err;
  std::vector<std::string> words = {"match", "--batch", path.string()};
  words.insert(words.end(), options.begin(), options.end());
  const int status = zentara::cli::RunCli(words, {out, err});
  std::filesystem::remove(path);
  // --aspects belongs to the batch alone: match always gives the aspects.
  std::vector<std::string> matchOptions = options;
  std::erase(matchOptions, "--aspects");
  std::erase(matchOptions, "--overlays");
  const bool scoreColumn = std::erase(matchOptions, "--relationship-score") > 0;

  std::istringstream rows(out.str()), refusals(err.str());
  std::string row, refusal;
  std::getline(rows, row);  // the header
  int refused = 0, fellBack = 0;
  for (int i = 0; i < CoupleCount; ++i) {
    const auto [single, figures, message, notes] =
        RunMatch(couples[i].first, couples[i].second, matchOptions, scoreColumn);
    const std::string couple = "row " + std::to_string(i + 2) + " (line " + std::to_string(i + 2) + ")";
    if (single == 0) {
      ASSERT_TRUE(std::getline(rows, row)) << couple;
      std::size_t at = 0;  // the figures follow the 20 input fields, none of which holds a comma
      for (std::size_t field = 0; field < 2 * Columns.size(); ++field) at = row.find(',', at) + 1;
      ASSERT_EQ(row.substr(at), figures) << couple;
      std::istringstream noted(notes);
      for (std::string note; std::getline(noted, note);) {
        ASSERT_TRUE(std::getline(refusals, refusal)) << couple << ": no note '" << note << "'";
        ASSERT_EQ(refusal, couple + ": " + note);
        ++fellBack;
      }
    } else {
      ASSERT_EQ(single, 1) << couple << ": " << message;
      ASSERT_TRUE(std::getline(refusals, refusal)) << couple;
      // "row N (line L): COLUMN: message" where match says "message".
      ASSERT_TRUE(refusal.starts_with(couple + ": ") && (refusal + "\n").ends_with(": " + message))
          << couple << ": batch '" << refusal << "', match '" << message << "'";
      // COLUMN is the entry the message is about: with that entry alone made
      // good, match no longer gives the message. Where both partners' same
      // entry is bad and their messages read alike, the male one, checked
      // first, is named: made good alone, the female one's message remains,
      // and it is that one (made good too, the message goes).
      const std::size_t columnStart = couple.size() + 2;
      const std::string column = refusal.substr(columnStart, refusal.find(": ", columnStart) - columnStart);
      const bool maleNamed = column.starts_with("male-");
      const auto entry = std::find(Columns.begin(), Columns.end(), column.substr(column.find('-') + 1));
      ASSERT_NE(entry, Columns.end()) << refusal;
      const std::size_t at = static_cast<std::size_t>(entry - Columns.begin());
      const auto messageWithGood = [&](bool namedGood, bool otherGood) {
        Partner male = couples[i].first, female = couples[i].second;
        if (namedGood) (maleNamed ? male : female)[at] = GoodEntry.at(*entry);
        if (otherGood) (maleNamed ? female : male)[at] = GoodEntry.at(*entry);
        return RunMatch(male, female, matchOptions).message;
      };
      const bool namedAlone = messageWithGood(true, false) != message;
      const bool alikeForBoth = maleNamed && messageWithGood(false, true) == message &&
                                messageWithGood(true, true) != message;
      EXPECT_TRUE(namedAlone || alikeForBoth) << couple << ": the batch blames " << column << " for '" << refusal
                                              << "', yet match says the same with that entry made good";
      ++refused;
    }
  }
  EXPECT_FALSE(std::getline(rows, row)) << row;
  EXPECT_FALSE(std::getline(refusals, refusal)) << refusal;
  EXPECT_GT(refused, 0);  // both roads were taken
  if (std::find(options.begin(), options.end(), "--houses") != options.end()) {
    EXPECT_GT(fellBack, 0);  // some charts lie beyond the polar circles
  }
  EXPECT_EQ(status, 1);
}

TEST(MatchBatch, AgreesWithMatchOnRandomCouples) { ExpectBatchAgreesWithMatch({}); }

TEST(MatchBatch, AgreesWithMatchOnTheEquinoxAndTheAspects) {
  ExpectBatchAgreesWithMatch({"--equinox", "date", "--aspects", "--orbs", "9,5,3"});
}

TEST(MatchBatch, AgreesWithMatchOnTheHousesAndOverlays) {
  ExpectBatchAgreesWithMatch(
      {"--equinox", "j2000", "--aspects", "--houses", "koch", "--overlays", "--relationship-score"});
}

// Scored on several threads, the batch writes the same bytes, rows and
// refusals alike in input order, as on one: over the random couples (bad rows
// among good ones, in several runs of rows), and an input that ends in a row
// the CSV reader cannot read.
TEST(MatchBatch, AnyNumberOfJobsWritesTheSame) {
  engine.seed(CoupleSeed);
  std::string csv;
  for (const char* sex : {"male-", "female-"}) {
    for (const std::string& column : Columns) csv += sex + column + ",";
  }
  csv.back() = '\n';
  constexpr int Couples = 3000;  // some twenty runs of rows
  for (int i = 0; i < Couples; ++i) {
    for (const Partner& partner : {RandomPartner(), RandomPartner()}) {
      for (const std::string& text : partner) csv += text + ",";
    }
    csv.back() = '\n';
    if (i % 97 == 0) csv += "a\"b,c\n";  // malformed quoting
  }
  csv += "\"open";
  const auto path = std::filesystem::temp_directory_path() / ("zentara-jobs-" + std::to_string(::getpid()) + ".csv");
  std::ofstream(path) << csv;
  const auto run = [&](const char* jobs) {
    std::ostringstream out, err;
    const int status = zentara::cli::RunCli({"match", "--batch", path.string(), "--aspects", "--jobs", jobs}, {out, err});
    return std::tuple{status, out.str(), err.str()};
  };
  const auto one = run("1");
  EXPECT_EQ(std::get<0>(one), 1);
  EXPECT_GT(std::count(std::get<1>(one).begin(), std::get<1>(one).end(), '\n'), Couples / 2);
  for (const char* jobs : {"2", "3", "8"}) {
    const auto many = run(jobs);
    EXPECT_EQ(std::get<0>(many), std::get<0>(one)) << jobs << " jobs";
    EXPECT_TRUE(std::get<1>(many) == std::get<1>(one)) << jobs << " jobs: the rows differ from one job's";
    EXPECT_EQ(std::get<2>(many), std::get<2>(one)) << jobs << " jobs";
  }
  std::filesystem::remove(path);
}

}  // namespace
