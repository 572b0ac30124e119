// The ranking of a person's partners in the book against the astro match
// computed couple by couple, as the entry form or zentara-cli match would.
#include "astro/match/astro_match.h"
#include "astro/places/fold_text.h"
#include "book/book.h"
#include "book/person_entries.h"
#include "book/ranking.h"
#include "book_test_support.h"

namespace {

using namespace zentara::book;
using namespace book_testing;

class Ranking : public BookFolder {
 protected:
  // Checks each ranked partner's figures against the astro match computed for
  // the couple from the people as the book now holds them, and the order:
  // Percentage, then P * H, then name, then id.
  static void ExpectMatchesOneByOne(Book& book, const zentara::book::Ranking& ranking) {
    const Person person = *book.Get(ranking.id);
    EXPECT_EQ(ranking.frame, person.frame == Frame::Female ? zentara::Partner::Female : zentara::Partner::Male);
    for (std::size_t at = 0; at < ranking.ranked.size(); ++at) {
      const RankedPartner& partner = ranking.ranked[at];
      const zentara::AstroPartnerEntries own = AstroSide(person), other = AstroSide(*book.Get(partner.id));
      const auto match = zentara::CalculateAstroMatch(ranking.frame == zentara::Partner::Male
                                                          ? zentara::AstroEntries{own, other}
                                                          : zentara::AstroEntries{other, own});
      ASSERT_TRUE(match);
      EXPECT_EQ(std::tuple(partner.score.Power, partner.score.Harmony, partner.score.PH, partner.score.Percentage),
                std::tuple(match->Score.Power, match->Score.Harmony, match->Score.PH, match->Score.Percentage))
          << person.name << " with " << partner.name;
      if (at > 0) {
        const RankedPartner& before = ranking.ranked[at - 1];
        const auto key = [](const RankedPartner& p) {
          return std::tuple(-p.score.Percentage, -p.score.PH, zentara::places::FoldForSearch(p.name), p.id);
        };
        EXPECT_LT(key(before), key(partner)) << "out of order at " << at << ": " << before.name << ", " << partner.name;
      }
    }
  }
};

TEST_F(Ranking, AgreesWithMatchesComputedOneByOne) {
  std::string error;
  auto book = Book::Open(Path(), error);
  ASSERT_TRUE(book) << error;
  // Twelve births spread over the Moon's degrees, alternately in each frame or none.
  std::vector<std::int64_t> ids;
  for (int i = 0; i < 12; ++i) {
    const std::string date = "19" + std::to_string(60 + i) + "-0" + std::to_string(1 + i % 9) + "-1" + std::to_string(i % 10);
    const std::string time = std::to_string(i) + ":" + std::to_string(10 + 3 * i);
    const char* frame = i % 3 == 0 ? "male" : i % 3 == 1 ? "female" : "";
    ids.push_back(book->Add(PersonOf({("Person " + std::string(1, static_cast<char>('A' + i))).c_str(), date.c_str(),
                                      time.c_str(), std::to_string(i * 5).c_str(), i % 2 ? "1" : "0", "28N36",
                                      i % 2 ? "77E13" : "74W00", "City", "State", "Country", "", "", "", frame})));
  }
  const std::int64_t noTime = book->Add(PersonOf({"No Time", "1980-01-01", "", "", "", "28N36", "77E13", "C", "S", "N"}));
  const std::int64_t early = book->Add(PersonOf({"Too Early", "1900-01-01", "10:00", "", "", "28N36", "77E13", "C", "S", "N"}));
  const std::int64_t noCity = book->Add(PersonOf({"No City", "1980-01-01", "10:00", "1", "", "28N36", "77E13", "", "S", "N"}));

  for (const std::int64_t subject : {ids[0], ids[1], ids[2]}) {
    std::string problem;
    const auto ranking = RankPartners(*book, subject, problem);
    ASSERT_TRUE(ranking) << problem;
    ASSERT_EQ(ranking->ranked.size(), 11u);
    ExpectMatchesOneByOne(*book, *ranking);
    ASSERT_EQ(ranking->unranked.size(), 3u);
    EXPECT_EQ(ranking->unranked[0].id, noCity);
    EXPECT_EQ(ranking->unranked[0].reason, "No City: Please Enter City");
    EXPECT_EQ(ranking->unranked[1].id, noTime);
    EXPECT_EQ(ranking->unranked[2].id, early);
  }
  std::string problem;
  EXPECT_FALSE(RankPartners(*book, noTime, problem));
  EXPECT_EQ(problem, "No Time has no birth time: the astro match needs one");
}

TEST_F(Ranking, ChartsThatNoLongerFitAreComputedAgain) {
  std::string error;
  auto book = Book::Open(Path(), error);
  ASSERT_TRUE(book) << error;
  const std::int64_t subject =
      book->Add(PersonOf({"Sam", "1970-03-04", "05:06", "27", "0", "40N42", "74W00", "City", "State", "Country"}));
  for (int i = 0; i < 8; ++i) {
    const std::string date = "198" + std::to_string(i) + "-0" + std::to_string(1 + i) + "-2" + std::to_string(i);
    book->Add(PersonOf({("Partner " + std::to_string(i)).c_str(), date.c_str(), "12:00", "34", "0", "28N36", "77E13",
                        "City", "State", "Country", "", "", "", "female"}));
  }
  // Twins, one Moon: a tie in every figure, ranked by name though added the other way round.
  for (const char* twin : {"Twin Z", "Twin Y"}) {
    book->Add(PersonOf({twin, "1990-06-15", "08:30", "27", "1", "40N42", "74W00", "City", "State", "Country"}));
  }
  const auto figures = [](const zentara::book::Ranking& ranking) {
    std::vector<std::tuple<std::int64_t, int, int>> all;
    for (const RankedPartner& p : ranking.ranked) all.emplace_back(p.id, p.score.Power, p.score.Harmony);
    std::sort(all.begin(), all.end());
    return all;
  };
  std::string problem;
  auto before = RankPartners(*book, subject, problem);
  ASSERT_TRUE(before) << problem;

  const struct {
    const char* what;
    const char* sql;  // as another program might change the file
    bool figuresChange;
  } cases[] = {
      {"births changed behind the book's back", "UPDATE person SET birth_date = date(birth_date, '+1 day')", true},
      {"charts kept by other engines", "UPDATE chart SET engines = engines + 1, moon_degrees = 99", false},
      {"charts lost", "DELETE FROM chart", false},
      // Moons no chart has, as a damaged file or another program may hold.
      {"Moons out of range", "UPDATE chart SET moon_degrees = CASE WHEN person % 2 THEN -1 ELSE 2000000000 END", false},
  };
  for (const auto& c : cases) {
    WithSqlite(Path(), c.sql);
    const auto ranking = RankPartners(*book, subject, problem);
    ASSERT_TRUE(ranking) << c.what << ": " << problem;
    EXPECT_EQ(ranking->ranked.size(), 10u) << c.what;
    EXPECT_TRUE(ranking->unranked.empty()) << c.what;
    ExpectMatchesOneByOne(*book, *ranking);
    EXPECT_EQ(figures(*ranking) != figures(*before), c.figuresChange) << c.what;
    before = ranking;
  }
  ASSERT_TRUE(book->ChartOf(subject));
  EXPECT_NE(book->ChartOf(subject)->moonDegrees, 99) << "the chart computed again is kept";

  // The best three alone are the first three of the whole ranking.
  const auto top = RankPartners(*book, subject, problem, 3);
  ASSERT_TRUE(top) << problem;
  ASSERT_EQ(top->ranked.size(), 3u);
  for (std::size_t at = 0; at < 3; ++at) {
    EXPECT_EQ(std::tuple(top->ranked[at].id, top->ranked[at].name),
              std::tuple(before->ranked[at].id, before->ranked[at].name)) << "rank " << at + 1;
  }
}

}  // namespace
