#include "reports/couple_report.h"

#include "common/translatable.h"

#include <vector>

#include <algorithm>

#include "astro/engine/houses/chart_houses.h"
#include "astro/match/birth_from_entries.h"
#include "astro/match/house_overlays.h"
#include "astro/match/house_tables.h"
#include "astro/match/reading_texts.h"
#include "astro/match/relationship_charts.h"
#include "astro/match/score_explanation.h"
#include "astro/match/synastry_texts.h"
#include "numerology/extended_reading.h"
#include "numerology/pair_numbers.h"
#include "numerology/reading_reports.h"
#include "site_config.h"

namespace zentara {

std::optional<std::string_view> CoupleReportRefusal(const CoupleReportInput& input) {
  // Letters, not bytes: a UTF-8 continuation byte starts no letter.
  const auto letters = [](const std::string& name) {
    return static_cast<std::size_t>(std::count_if(name.begin(), name.end(), [](char c) {
      return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
  };
  std::vector<const std::string*> names = {&input.Astro.Male.Name, &input.Astro.Female.Name};
  if (input.Numerology) {
    const NumerologyEntries& e = *input.Numerology;
    names.insert(names.end(), {&e.maleFirst, &e.maleMiddle, &e.maleLast, &e.femaleFirst, &e.femaleMiddle, &e.femaleLast});
  }
  for (const std::string* name : names) {
    if (letters(*name) > MaxCoupleReportNameLetters) {
      return QT_TRANSLATE_NOOP("Checks", "The couple report takes names of at most 100 letters.");
    }
  }
  return std::nullopt;
}
namespace {

class Html {
 public:
  void Heading(int level, std::string_view text) {
    const std::string tag = "h" + std::to_string(level);
    html_ += "<" + tag + ">";
    AppendHtmlEscaped(html_, text);
    html_ += "</" + tag + ">\n";
  }
  void Paragraph(std::string_view text) {
    html_ += "<p>";
    AppendHtmlEscaped(html_, text);
    html_ += "</p>\n";
  }
  void Raw(std::string_view html) { html_ += html; }
  // The picture `name`, this many pixels wide on a page of about 600.
  void Picture(std::string_view name) {
    html_ += "<p align=\"center\"><img src=\"" + std::string(name) + "\" width=\"460\" height=\"460\"></p>\n";
  }
  // A table with a heading row.
  void Table(const std::vector<std::string>& headings, const std::vector<std::vector<std::string>>& rows) {
    html_ += "<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\">\n<tr>";
    for (const std::string& heading : headings) Cell("th", heading);
    html_ += "</tr>\n";
    for (const std::vector<std::string>& row : rows) {
      html_ += "<tr>";
      for (const std::string& cell : row) Cell("td", cell);
      html_ += "</tr>\n";
    }
    html_ += "</table>\n";
  }
  std::string Take() { return std::move(html_) + "</body>\n</html>\n"; }

 private:
  void Cell(std::string_view tag, std::string_view text) {
    html_ += "<" + std::string(tag) + ">";
    AppendHtmlEscaped(html_, text);
    html_ += "</" + std::string(tag) + ">";
  }
  std::string html_ = "<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n<title>Couple Report</title>\n"
                      "</head>\n<body>\n";
};

std::string NameOr(const std::string& name, std::string_view fallback) {
  return name.empty() ? std::string(fallback) : name;
}

void Cover(Html& html, const CoupleReportInput& input, const std::string& him, const std::string& her) {
  html.Heading(1, CoupleReportHeadings[0]);
  html.Paragraph(him + " and " + her);
  html.Paragraph(PartnerBirthLine(input.Astro.Male, Partner::Male));
  html.Paragraph(PartnerBirthLine(input.Astro.Female, Partner::Female));
}

void Numerology(Html& html, const CoupleReportInput& input) {
  html.Heading(2, CoupleReportHeadings[1]);
  if (!input.Numerology) {
    html.Paragraph("The numerology readings need both partners' full names (first, middle and last) and birth "
                   "dates, which this report was not given; they are left out.");
    return;
  }
  const LifePathPair lifePath = FindLifePathPair(*input.Numerology);
  const DestinyPair destiny = FindDestinyPair(*input.Numerology);
  html.Raw(RunsHtml({{LifePathReadingText(lifePath, MakerSiteAddress), false}}));
  html.Raw(RunsHtml({{DestinyReadingText(destiny, MakerSiteAddress), false}}));
  html.Raw(RunsHtml(ComprehensiveReadingRuns(lifePath, destiny, MakerSiteAddress)));
  html.Raw(RunsHtml(ExtendedReadingRuns(*input.Numerology, MakerSiteAddress)));
}

void AstroReport(Html& html, const AstroMatchResult& match, const std::string& him, const std::string& her) {
  html.Heading(2, CoupleReportHeadings[2]);
  std::vector<std::vector<std::string>> rows;
  for (std::size_t slot = 0; slot < FilledChartSlotCount; ++slot) {
    rows.push_back({std::string(SlotWords[slot]), match.Male[slot], match.Female[slot]});
  }
  html.Table({"Point", him, her}, rows);
  html.Table({"Power", "Harmony", "P * H", "Percentage", "Comment"},
             {{std::to_string(match.Score.Power), std::to_string(match.Score.Harmony), std::to_string(match.Score.PH),
               std::to_string(match.Score.Percentage), std::string(match.Score.Comment)}});
  html.Paragraph(PositionsStatement(match.Options()));
  html.Heading(2, CoupleReportHeadings[3]);
  for (const std::string& line : FourFiguresExplanation(match)) html.Paragraph(line);
  html.Heading(2, CoupleReportHeadings[4]);
  for (const std::string& line : RelationshipScoreExplanation(ScoreRelationship(match.Male, match.Female))) {
    html.Paragraph(line);
  }
}

void AspectsAndHouses(Html& html, const CoupleReportInput& input, const AstroMatchResult& match,
                      const std::string& him, const std::string& her) {
  html.Heading(2, CoupleReportHeadings[5]);
  html.Picture(CoupleWheelPicture);
  html.Heading(2, CoupleReportHeadings[6]);
  const std::vector<Aspect> aspects = FindAspects(match.Male, match.Female, input.Orbs);
  if (aspects.empty()) html.Paragraph("No aspects within the orbs.");
  for (const Aspect& aspect : aspects) {
    html.Heading(3, AspectSentence(aspect));
    html.Paragraph(AspectText(aspect.Male, aspect.Female, aspect.Kind, him, her));
  }
  html.Heading(2, CoupleReportHeadings[7]);
  const CoupleHouses houses = CastCoupleHouses(match, input.Houses);
  const CoupleHouseTables tables = MakeCoupleHouseTables(houses, match.Male, match.Female, him, her);
  for (const std::string& note : tables.Notes) html.Paragraph(note);
  for (const HouseTable* table : {&tables.Cusps, &tables.HisInHers, &tables.HersInHis}) {
    html.Heading(3, HouseTableTitle(*table));
    html.Table(table->Columns, table->Rows);
    const std::vector<std::string>* texts = table == &tables.HisInHers   ? &tables.HisInHersTexts
                                            : table == &tables.HersInHis ? &tables.HersInHisTexts
                                                                         : nullptr;
    if (texts != nullptr) {
      for (const std::string& text : *texts) html.Paragraph(text);
    }
  }
}

void Relationship(Html& html, const CoupleReportInput& input, const AstroMatchResult& match) {
  for (const RelationshipKind kind : {RelationshipKind::Composite, RelationshipKind::Davison}) {
    const RelationshipChart chart = CastRelationshipChart(kind, match, input.Houses);
    html.Heading(2, CoupleReportHeadings[kind == RelationshipKind::Composite ? 8 : 9]);
    html.Paragraph(RelationshipStatement(chart));
    for (const std::string& note : chart.Notes) html.Paragraph(note);
    html.Picture(kind == RelationshipKind::Composite ? CompositeWheelPicture : DavisonWheelPicture);
    std::vector<std::vector<std::string>> rows;
    const std::array<std::string, 12> cusps = CuspTexts(chart.Houses);
    for (std::size_t slot = 0; slot < FilledChartSlotCount; ++slot) {
      rows.push_back({std::string(SlotWords[slot]), chart.Positions[slot],
                      slot < cusps.size() ? "Cusp " + std::to_string(slot + 1) : "",
                      slot < cusps.size() ? cusps[slot] : ""});
    }
    html.Table({"Point", "Position", "House", "Cusp"}, rows);
  }
}

void Options(Html& html, const CoupleReportInput& input) {
  html.Heading(2, CoupleReportHeadings[10]);
  html.Paragraph("Positions: " + PositionsStatement(input.Options) + ". Lunar node: " +
                 std::string(LunarNodeName(input.Options.Node)) + ". Houses: " +
                 std::string(HouseSystemTitle(input.Houses)) + ". Aspect orbs: " + std::to_string(input.Orbs.Luminaries) +
                 " degrees for the Sun and Moon, " + std::to_string(input.Orbs.Planets) + " for the other planets, " +
                 std::to_string(input.Orbs.Points) + " for the node, ascendant and midheaven.");
}

}  // namespace

std::optional<std::string> CoupleReportHtml(const CoupleReportInput& input) {
  const auto match = CalculateAstroMatch(input.Astro, input.Options);
  if (!match) return std::nullopt;
  return CoupleReportHtml(input, *match);
}

std::string CoupleReportHtml(const CoupleReportInput& input, const AstroMatchResult& match) {
  const std::string him = NameOr(input.Astro.Male.Name, "Male"), her = NameOr(input.Astro.Female.Name, "Female");
  Html html;
  Cover(html, input, him, her);
  Numerology(html, input);
  AstroReport(html, match, him, her);
  AspectsAndHouses(html, input, match, him, her);
  Relationship(html, input, match);
  Options(html, input);
  return html.Take();
}

}  // namespace zentara
