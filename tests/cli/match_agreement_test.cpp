// zentara-cli match --batch against match for each couple: on random couples
// of entries the form can hold, some of which fail its checks, every row gives
// the same positions and score as the single command, or the same refusal.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "cli/commands.h"

namespace {

using zentara::cli::RunCli;

constexpr int CoupleCount = 300;
constexpr const char* Columns[] = {"name", "date", "time", "zone", "dst", "lat", "lon", "city", "state", "country"};
constexpr std::size_t ColumnCount = std::size(Columns);
using Partner = std::vector<std::string>;  // a text for each column

class CoupleSampler {
 public:
  // One partner; about one in twelve has an empty box or a day its month lacks.
  Partner Next() {
    const bool faulty = Pick(0, 11) == 0;
    Partner p(ColumnCount);
    p[0] = Letters(12);
    p[1] = std::to_string(Pick(1901, 2050)) + "-" + TwoDigits(Pick(1, 12)) + "-" +
           TwoDigits(Pick(1, faulty ? 31 : 28));
    p[2] = std::to_string(Pick(0, 23)) + ":" + TwoDigits(Pick(0, 59));
    p[3] = std::to_string(Pick(0, 70));
    p[4] = std::to_string(Pick(0, 1));
    p[5] = Box() + (Pick(0, 1) ? "N" : "S") + Box();
    p[6] = Box() + (Pick(0, 1) ? "E" : "W") + Box();
    for (std::size_t place = 7; place < ColumnCount; ++place) p[place] = Letters(20);
    if (faulty) {  // an empty name, place or coordinate box
      const std::size_t column = std::vector<std::size_t>{0, 5, 6, 7, 8, 9}[Pick(0, 5)];
      p[column] = column == 5 ? "N" + Box() : column == 6 ? Box() + "W" : "";
    }
    return p;
  }
  int Pick(int lowest, int highest) {
    return lowest + static_cast<int>(engine_() % static_cast<unsigned>(highest - lowest + 1));
  }

 private:
  static std::string TwoDigits(int n) { return (n < 10 ? "0" : "") + std::to_string(n); }
  std::string Box() { return std::to_string(Pick(0, 999)); }
  // Letters, with a space now and then (never first, so no quoting is needed).
  std::string Letters(int longest) {
    std::string text(1, static_cast<char>('A' + Pick(0, 25)));
    for (int i = Pick(0, longest - 1); i > 0; --i) text += Pick(0, 6) == 0 ? ' ' : static_cast<char>('a' + Pick(0, 25));
    return text;
  }
  std::mt19937 engine_{20500101};  // fixed: the same couples every run
};

std::vector<std::string> Split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::istringstream in(text);
  for (std::string part; std::getline(in, part, separator);) parts.push_back(part);
  return parts;
}

// What match prints for one couple: its exit status, the 33 figures (28
// positions, Power, Harmony, P * H, Percentage, Comment) joined by commas, and
// its error stream.
struct Single {
  int status;
  std::string figures, err;
};

Single RunSingle(const Partner& male, const Partner& female) {
  std::vector<std::string> words = {"match"};
  for (const auto& [prefix, partner] : {std::pair{"--male-", &male}, {"--female-", &female}}) {
    for (std::size_t c = 0; c < ColumnCount; ++c) {
      const std::string option = prefix + std::string(Columns[c]);
      if (std::string(Columns[c]) == "dst") {
        if ((*partner)[c] == "1") words.push_back(option);
      } else if (!(*partner)[c].empty()) {
        words.insert(words.end(), {option, (*partner)[c]});
      }
    }
  }
  std::ostringstream out, err;
  Single single{RunCli(words, {out, err}), "", err.str()};
  for (const std::string& line : Split(out.str(), '\n')) {
    const std::size_t colon = line.find(": ");
    if (colon == std::string::npos || line.starts_with("Universal time")) continue;
    single.figures += (single.figures.empty() ? "" : ",") + line.substr(colon + 2);
  }
  return single;
}

TEST(MatchBatch, AgreesWithMatchOnRandomCouples) {
  CoupleSampler sampler;
  // The header in an order of its own: male columns and female columns interleaved, reversed.
  std::vector<std::pair<bool, std::size_t>> order;  // (female, column)
  for (std::size_t c = ColumnCount; c-- > 0;) order.insert(order.end(), {{true, c}, {false, c}});
  std::vector<std::pair<Partner, Partner>> couples;
  std::ostringstream csv;
  for (std::size_t i = 0; i < order.size(); ++i) {
    csv << (i ? "," : "") << (order[i].first ? "female-" : "male-") << Columns[order[i].second];
  }
  csv << "\n";
  for (int i = 0; i < CoupleCount; ++i) {
    couples.emplace_back(sampler.Next(), sampler.Next());
    for (std::size_t f = 0; f < order.size(); ++f) {
      const Partner& partner = order[f].first ? couples.back().second : couples.back().first;
      csv << (f ? "," : "") << partner[order[f].second];
    }
    csv << "\n";
  }
  const auto path = std::filesystem::temp_directory_path() / ("zentara-couples-" + std::to_string(::getpid()) + ".csv");
  std::ofstream(path) << csv.str();
  std::ostringstream out, err;
  const int status = RunCli({"match", "--batch", path.string()}, {out, err});
  std::filesystem::remove(path);

  const std::vector<std::string> rows = Split(out.str(), '\n');
  const std::vector<std::string> refusals = Split(err.str(), '\n');
  std::size_t row = 1, refusal = 0;  // past the header row
  for (int i = 0; i < CoupleCount; ++i) {
    const Single single = RunSingle(couples[i].first, couples[i].second);
    const std::string couple = "couple " + std::to_string(i) + ", row " + std::to_string(i + 2);
    if (single.status == 0) {
      ASSERT_LT(row, rows.size()) << couple;
      const std::vector<std::string> fields = Split(rows[row++], ',');
      ASSERT_EQ(fields.size(), order.size() + 33) << couple;
      std::string figures;
      for (std::size_t f = order.size(); f < fields.size(); ++f) figures += (figures.empty() ? "" : ",") + fields[f];
      ASSERT_EQ(figures, single.figures) << couple;
    } else {
      ASSERT_EQ(single.status, 1) << couple << ": " << single.err;
      ASSERT_LT(refusal, refusals.size()) << couple;
      // "row N: COLUMN: message" where match says "message".
      const std::string& reported = refusals[refusal++];
      ASSERT_TRUE(reported.starts_with("row " + std::to_string(i + 2) + ": ")) << couple << ": " << reported;
      ASSERT_EQ(reported.substr(reported.rfind(": ") + 2) + "\n", single.err) << couple;
    }
  }
  EXPECT_EQ(row, rows.size());
  EXPECT_EQ(refusal, refusals.size());
  EXPECT_GT(refusal, 0u);  // the sample holds refusals, so both roads were taken
  EXPECT_EQ(status, refusal > 0 ? 1 : 0);
}

}  // namespace
