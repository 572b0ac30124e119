// The ranking of a person's partners in the book against the astro match
// computed couple by couple, as the entry form or zentara-cli match would.
#include "astro/match/astro_match.h"
#include "book/book.h"
#include "book/person_entries.h"
#include "book/ranking.h"
#include "book_test_support.h"

namespace {

using namespace zentara::book;
using namespace book_testing;

class Ranking : public BookFolder {};

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
    const Person person = *book->Get(subject);
    EXPECT_EQ(ranking->frame, person.frame == Frame::Female ? zentara::Partner::Female : zentara::Partner::Male);
    ASSERT_EQ(ranking->ranked.size(), 11u);
    for (std::size_t at = 0; at < ranking->ranked.size(); ++at) {
      const RankedPartner& partner = ranking->ranked[at];
      const zentara::AstroPartnerEntries own = AstroSide(person), other = AstroSide(*book->Get(partner.id));
      const auto match = zentara::CalculateAstroMatch(ranking->frame == zentara::Partner::Male
                                                          ? zentara::AstroEntries{own, other}
                                                          : zentara::AstroEntries{other, own});
      ASSERT_TRUE(match);
      EXPECT_EQ(std::tuple(partner.score.Power, partner.score.Harmony, partner.score.PH, partner.score.Percentage),
                std::tuple(match->Score.Power, match->Score.Harmony, match->Score.PH, match->Score.Percentage))
          << person.name << " with " << partner.name;
      if (at > 0) {
        const auto& before = ranking->ranked[at - 1].score;
        EXPECT_TRUE(before.Percentage > partner.score.Percentage ||
                    (before.Percentage == partner.score.Percentage && before.PH >= partner.score.PH))
            << "out of order at " << at;
      }
    }
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

}  // namespace
