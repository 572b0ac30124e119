// The couple report's request between zentara-cli and its writer: every entry
// and option read back as written, numerology or not; anything else refused,
// a pick-list position outside its list above all. And the names a report
// takes: at most 100 letters, counted as letters, not bytes.
#include "reports/couple_report_request.h"

#include <gtest/gtest.h>

#include "reports/saved_reading.h"
#include "tests/gui/worked_couple.h"

namespace zentara {
namespace {

std::string Text(const AstroPartnerEntries& e) {
  return e.Name + "|" + std::to_string(e.DayPosition) + "|" + std::to_string(e.MonthPosition) + "|" +
         std::to_string(e.YearPosition) + "|" + std::to_string(e.HourPosition) + "|" +
         std::to_string(e.MinutePosition) + "|" + std::to_string(e.ZoneRow) + "|" + (e.DaylightSaving ? "dst" : "") +
         "|" + e.LatitudeDegrees + "|" + e.LatitudeMinutes + "|" + std::to_string(static_cast<int>(e.LatitudeDirection)) +
         "|" + e.LongitudeDegrees + "|" + e.LongitudeMinutes + "|" +
         std::to_string(static_cast<int>(e.LongitudeDirection)) + "|" + e.City + "|" + e.State + "|" + e.Country;
}

TEST(CoupleReportRequest, ReadsBackWhatItWrites) {
  CoupleReportInput input{.Astro = testing_support::JohnAndMary(),
                          .Numerology = NumerologyEntries{"John", "", "Smith", "Mary", "Ann", "Jones",
                                                          "August", "15", "1975", "February", "10", "1978"},
                          .Options = {Equinox::OfDate, LunarNode::True},
                          .Houses = HouseSystem::WholeSign,
                          .Orbs = {10, 0, 3}};
  input.Astro.Female.Name = "Zoë \"Quote\" \\ %1";
  for (const bool numerology : {true, false}) {
    if (!numerology) input.Numerology.reset();
    const std::string text = CoupleReportRequestText(input);
    const auto read = ReadCoupleReportRequest(text);
    ASSERT_TRUE(read) << text;
    EXPECT_EQ(Text(read->Astro.Male), Text(input.Astro.Male));
    EXPECT_EQ(Text(read->Astro.Female), Text(input.Astro.Female));
    EXPECT_EQ(read->Options, input.Options);
    EXPECT_EQ(read->Houses, input.Houses);
    EXPECT_EQ(read->Orbs, input.Orbs);
    ASSERT_EQ(read->Numerology.has_value(), numerology);
    if (numerology) {
      EXPECT_EQ(EncodeSavedReading(*read->Numerology), EncodeSavedReading(*input.Numerology));
    }
  }
}

TEST(CoupleReportRequest, RefusesWhatZentaraCliDoesNotWrite) {
  const std::string good = CoupleReportRequestText({.Astro = testing_support::JohnAndMary(),
                                                    .Numerology = std::nullopt,
                                                    .Options = {},
                                                    .Houses = HouseSystem::Placidus,
                                                    .Orbs = DefaultAspectOrbs});
  const auto replaced = [&good](const std::string& from, const std::string& to) {
    std::string text = good;
    text.replace(text.find(from), from.size(), to);
    return text;
  };
  for (const std::string& bad : {std::string(), std::string("null"), std::string("[]"), std::string(1 << 16, '['),
                                 good.substr(0, good.size() / 2), replaced("\"zone\":34", "\"zone\":71"),
                                 replaced("\"zone\":34", "\"zone\":-1"), replaced("\"zone\":34", "\"zone\":\"34\""),
                                 replaced("\"month\":7", "\"month\":12"), replaced("\"placidus\"", "\"topocentric\""),
                                 replaced("\"8,6,4\"", "\"8,6\""), replaced("\"lat_direction\":1", "\"lat_direction\":3")}) {
    EXPECT_FALSE(ReadCoupleReportRequest(bad)) << bad.substr(0, 200);
  }
}

TEST(CoupleReportRefusal, NamesOfAtMostAHundredLetters) {
  CoupleReportInput input{.Astro = testing_support::JohnAndMary(),
                          .Numerology = std::nullopt,
                          .Options = {},
                          .Houses = HouseSystem::Placidus,
                          .Orbs = DefaultAspectOrbs};
  std::string accented;
  for (int letter = 0; letter < 100; ++letter) accented += "\xC3\xA9";  // é, two bytes a letter
  input.Astro.Male.Name = accented;
  EXPECT_FALSE(CoupleReportRefusal(input));
  input.Astro.Male.Name += "e";
  EXPECT_TRUE(CoupleReportRefusal(input));
  input.Astro.Male.Name = "John";
  input.Numerology = NumerologyEntries{"John", std::string(101, 'P'), "Smith", "Mary", "", "Jones",
                                       "August", "15", "1975", "February", "10", "1978"};
  EXPECT_TRUE(CoupleReportRefusal(input)) << "a middle name of 101 letters";
}

}  // namespace
}  // namespace zentara
