// The chart wheel's geometry: slot texts read back, the ascendant on the left,
// symbols spread apart in crowded rings while the ticks keep the true places,
// and the texts of every point inside its ring.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <numeric>
#include <sstream>
#include <tuple>

#include "astro/engine/planets/zodiac_text.h"
#include "astro/match/synastry_texts.h"
#include "astro/match/chart_wheel.h"
#include "astro/match/chart_wheel_svg.h"
#include "astro/match/chart_wheel_drawing.h"
#include "tests/astro/john_and_mary_positions.h"

namespace {

using testing_support::kJohn;
using testing_support::kMary;

using namespace zentara;

constexpr double kAngleTolerance = 1e-9;  // degrees
constexpr double kCanvasTolerance = 1e-9;  // canvas units

std::string Listed(const std::vector<double>& angles) {
  std::ostringstream out;
  for (const double angle : angles) out << angle << " ";
  return out.str();
}

// Checks that `spread` keeps `targets`' order around the circle (equal targets
// in the order given), with every neighbour at least `separation` away.
void ExpectSpreadApart(const std::vector<double>& targets, const std::vector<double>& spread, double separation) {
  const std::string context = "targets " + Listed(targets) + "spread " + Listed(spread);
  ASSERT_EQ(spread.size(), targets.size()) << context;
  const auto sortedBy = [](const std::vector<double>& angles) {
    std::vector<std::size_t> order(angles.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return angles[a] < angles[b]; });
    return order;
  };
  const std::vector<std::size_t> before = sortedBy(targets);
  std::vector<std::size_t> after = sortedBy(spread);
  for (std::size_t i = 0; i < after.size(); ++i) {
    const double gap = std::fmod(spread[after[(i + 1) % after.size()]] - spread[after[i]] + 360.0, 360.0);
    EXPECT_GE(after.size() > 1 ? gap : separation, separation - kAngleTolerance) << context;
  }
  if (!after.empty()) std::rotate(after.begin(), std::find(after.begin(), after.end(), before[0]), after.end());
  EXPECT_EQ(after, before) << context;
}

TEST(ReadSlotText, ReadsWhatTheReportShowsAndRefusesTheRest) {
  struct Case {
    const char* text;
    int sign, degrees, minutes;
  };
  const Case good[] = {
      {"05 Leo 07", 4, 5, 7}, {"00 Ari 00", 0, 0, 0}, {"29 Pis 59", 11, 29, 59}, {"7 Sag 42", 8, 7, 42},
      {" 13  Sag 43 ", 8, 13, 43},
  };
  for (const Case& c : good) {
    const auto position = ReadSlotText(c.text);
    ASSERT_TRUE(position) << c.text;
    EXPECT_EQ(std::tie(position->Sign, position->Degrees, position->Minutes), std::tie(c.sign, c.degrees, c.minutes))
        << c.text;
    EXPECT_NEAR(position->Longitude, 30.0 * c.sign + c.degrees + c.minutes / 60.0, kAngleTolerance) << c.text;
  }
  for (const char* bad : {"", "30 Ari 00", "05 Leo 60", "05 leo 07", "05 iTa 07", "05 Leo", "05 Leo 07 x",
                          "-1 Ari 00", "005 Leo 07", "05Leo07", "05 Leo 7'"}) {
    EXPECT_FALSE(ReadSlotText(bad)) << "'" << bad << "'";
  }
}

TEST(SpreadAngles, CrowdedRings) {
  struct Case {
    const char* name;
    std::vector<double> angles;
    double separation;
  };
  const Case cases[] = {
      {"stellium of six within 5 degrees", {100, 101, 102, 103, 104, 105}, 12.5},
      {"0 degrees and 359 59'", {0, 359 + 59.0 / 60}, 9},
      {"stellium across 0 degrees", {358, 359.5, 0.5, 2, 3, 180}, 9},
      {"fourteen in 20 degrees", {10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 30}, 12.5},
      {"equal angles", {45, 45, 45}, 9},
      {"two clusters", {10, 12, 14, 190, 192, 194, 196}, 12.5},
      {"more than the circle holds", {0, 1, 2, 3}, 120},
      {"too full to spread from one cut", {70, 190, 310, 170, 150}, 70},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::vector<double> spread = SpreadAngles(c.angles, c.separation);
    ExpectSpreadApart(c.angles, spread, std::min(c.separation, 360.0 / static_cast<double>(c.angles.size())));
    for (const double angle : spread) EXPECT_TRUE(angle >= 0 && angle < 360) << angle;
  }
  // Symmetric crowds stay centred where they were.
  const std::vector<double> stellium = SpreadAngles({100, 101, 102, 103, 104, 105}, 12.5);
  EXPECT_NEAR(stellium.front(), 102.5 - 2.5 * 12.5, kAngleTolerance) << Listed(stellium);
  const std::vector<double> wrapped = SpreadAngles({0, 359 + 59.0 / 60}, 9);
  EXPECT_NEAR(wrapped[0] - wrapped[1] + 360, 9, kAngleTolerance) << Listed(wrapped);
  EXPECT_NEAR(wrapped[0], 4.5 - 1.0 / 120, kAngleTolerance) << Listed(wrapped);
  // Angles with room to spare do not move.
  const std::vector<double> apart = {10, 100, 200.5, 300};
  EXPECT_EQ(SpreadAngles(apart, 12.5), apart);
  EXPECT_TRUE(SpreadAngles({}, 10).empty());
}

TEST(LayoutChartWheel, TheMaleAscendantStandsOnTheLeftAndTicksKeepTheTruePlaces) {
  const ChartWheel wheel = LayoutChartWheel(kJohn, kMary);
  ASSERT_EQ(wheel.Male.size(), 14u);
  ASSERT_EQ(wheel.Female.size(), 14u);
  EXPECT_NEAR(wheel.Male[AscendantSlot].TickAngle, 180, kAngleTolerance);
  // Counter-clockwise: the Sun, 22 Leo 15, is 111 28' before the ascendant, 13 Sag 43.
  EXPECT_NEAR(wheel.Male[SunSlot].TickAngle, 180 - (253 + 43.0 / 60 - 142.25), kAngleTolerance);
  // Mary's ascendant, 15 Cap 07, is 31 24' after his.
  EXPECT_NEAR(wheel.Female[AscendantSlot].TickAngle, 180 + 31.4, kAngleTolerance);

  // Everything in one stellium: the symbols fan out, the ticks do not move.
  ChartPositions crowded = kJohn;
  for (std::size_t slot = 0; slot < 12; ++slot) crowded[slot] = "1" + std::to_string(slot % 10) + " Sag 00";
  const ChartWheel fanned = LayoutChartWheel(crowded, kMary);
  std::vector<double> ticks, symbols;
  for (const WheelPoint& point : fanned.Male) {
    EXPECT_NEAR(point.TickAngle, ScreenAngle(point.Position.Longitude, fanned.Ascendant), kAngleTolerance);
    ticks.push_back(point.TickAngle);
    symbols.push_back(point.SymbolAngle);
  }
  ExpectSpreadApart(ticks, symbols, MaleRing.Separation);
}

TEST(LayoutChartWheel, UnreadableTextsAreLeftOutAndAriesStandsLeftWithoutAnAscendant) {
  ChartPositions male = kJohn, female = kMary;
  male[AscendantSlot] = "";
  female[MoonSlot] = "07 Xyz 42";
  const ChartWheel wheel = LayoutChartWheel(male, female);
  EXPECT_EQ(wheel.Ascendant, 0);
  EXPECT_EQ(wheel.Male.size(), 13u);
  EXPECT_EQ(wheel.Female.size(), 13u);
  EXPECT_EQ(wheel.Female[1].Slot, MercurySlot);
  EXPECT_NEAR(wheel.Male[SunSlot].TickAngle, 180 + 142.25, kAngleTolerance);
}

// At every angle, a point's texts stand inside its ring, symbol first.
TEST(LayoutChartWheel, TextsStayInsideTheirRingAtEveryAngle) {
  for (int degree = 0; degree < 360; ++degree) {
    ChartPositions male, female;
    const std::string text = std::to_string(degree % 30 / 10) + std::to_string(degree % 10) + " " +
                             std::string(modPlanetPosition_Western::SignKeys.substr(degree / 30 * 3, 3)) + " 00";
    male.fill(text);
    female.fill(text);
    male[AscendantSlot] = "00 Ari 00";
    const ChartWheel wheel = LayoutChartWheel(male, female);
    for (const auto& [points, ring] : {std::pair{&wheel.Male, &MaleRing}, std::pair{&wheel.Female, &FemaleRing}}) {
      for (const WheelPoint& p : *points) {
        const double outer = std::max(p.DegreesRadius, p.MinutesRadius);
        const double inner = std::min(p.DegreesRadius, p.MinutesRadius);
        EXPECT_TRUE(ring->TickEnd > p.LeaderEnd && p.LeaderEnd > p.SymbolRadius && p.SymbolRadius > outer &&
                    outer > inner && inner > p.InnerEdge && p.InnerEdge >= ring->Inner)
            << text << " slot " << p.Slot << " at " << p.SymbolAngle << ": " << p.LeaderEnd << " " << p.SymbolRadius
            << " " << p.DegreesRadius << " " << p.MinutesRadius << " " << p.InnerEdge;
      }
    }
  }
}

// Each point's label reads degrees then minutes wherever it stands: the
// degrees above the minutes where the two stand on different lines, else to
// their left. Every point of both charts at every whole degree, quadrant by
// quadrant of the wheel.
TEST(DrawChartWheel, LabelsReadDegreesThenMinutesInEveryQuadrant) {
  constexpr double side = 600;
  // Two labels stand on different lines when their boxes, 0.8 em high (DejaVu
  // Sans's digits stand 0.73 em), do not overlap.
  constexpr double boxHeight = 0.8;  // em
  const char* quadrants[] = {"top left", "top right", "bottom left", "bottom right"};
  int labels[4] = {};
  for (int degree = 0; degree < 360; ++degree) {
    ChartPositions male, female;
    const std::string text = std::to_string(degree % 30 / 10) + std::to_string(degree % 10) + " " +
                             std::string(modPlanetPosition_Western::SignKeys.substr(degree / 30 * 3, 3)) + " 56";
    male.fill(text);
    female.fill(text);
    male[AscendantSlot] = "00 Lib 00";  // Aries at 3 o'clock, the points all round the wheel in turn
    const WheelDrawing drawing = DrawChartWheel(LayoutChartWheel(male, female), side);
    // Each point draws its symbol, its degrees ("05°") and its minutes ("56'"), in turn.
    for (std::size_t i = 0; i + 1 < drawing.Shapes.size(); ++i) {
      const auto* degrees = std::get_if<WheelText>(&drawing.Shapes[i]);
      const auto* minutes = std::get_if<WheelText>(&drawing.Shapes[i + 1]);
      if (!degrees || !minutes || !degrees->Text.ends_with("\u00B0") || minutes->Text != "56'") continue;
      const int quadrant = (degrees->Y > side / 2 ? 2 : 0) + (degrees->X > side / 2 ? 1 : 0);
      ++labels[quadrant];
      const bool twoLines = std::abs(degrees->Y - minutes->Y) >= boxHeight * degrees->Size;
      EXPECT_TRUE(twoLines ? degrees->Y < minutes->Y : degrees->X < minutes->X)
          << quadrants[quadrant] << ", " << text << ": \"" << degrees->Text << "\" at " << degrees->X << ","
          << degrees->Y << ", \"" << minutes->Text << "\" at " << minutes->X << "," << minutes->Y;
    }
  }
  for (int quadrant = 0; quadrant < 4; ++quadrant) EXPECT_GT(labels[quadrant], 0) << quadrants[quadrant];
}

// Text goes into the SVG with the characters XML reserves escaped, so a label
// holding them neither breaks the file nor adds markup.
TEST(ChartWheelSvg, TextsAreEscaped) {
  WheelDrawing drawing;
  drawing.Side = 100;
  drawing.Shapes.push_back(WheelText{50, 50, "<b>Mars & Venus</b> \"40\" 1\u00b0", 10, {}});
  const std::string svg = ChartWheelSvg(drawing);
  EXPECT_NE(svg.find(">&lt;b&gt;Mars &amp; Venus&lt;/b&gt; \"40\" 1\u00b0</text>"), std::string::npos) << svg;
  EXPECT_EQ(svg.find("<b>"), std::string::npos) << svg;
}

// The aspects' lines of the worked couple on a canvas 600 wide: one a
// aspect, from his point's true place to hers on the inner disc's edge, in the
// colour of its tone, narrower the further from exact; a point on a line names
// its aspect.
TEST(AspectLines, TheWorkedCouplesLines) {
  constexpr double side = 600, radius = 0.48 * side, centre = side / 2;
  const ChartWheel wheel = LayoutChartWheel(kJohn, kMary);
  const std::vector<WheelAspectLine> lines = AspectLines(wheel, side);
  ASSERT_EQ(lines.size(), 44u);
  // Row: the aspect's place in the list, its sentence, the screen angles of his
  // and her point (180 + longitude - his ascendant, 253 43'), its colour, its width.
  const struct {
    std::size_t index;
    const char* sentence;
    double male, female;
    Colour colour;
    double width;
  } rows[] = {
      {0, "Neptune sextile Mercury, 0\u00B003' from exact", 180 + 249.35 - 253 - 43.0 / 60,
       180 + 309.4 - 253 - 43.0 / 60, {25, 135, 75}, (0.003 + 0.006 * (1 - 3.0 / 360)) * radius},
      {8, "Sun opposition Sun, 0\u00B038' from exact", 180 + 142.25 - 253 - 43.0 / 60,
       180 + 321 + 37.0 / 60 - 253 - 43.0 / 60, {205, 40, 40}, (0.003 + 0.006 * (1 - 38.0 / 480)) * radius},
      {43, "Ascendant sextile Sun, 7\u00B054' from exact", 180, 180 + 321 + 37.0 / 60 - 253 - 43.0 / 60,
       {25, 135, 75}, (0.003 + 0.006 * (1 - 474.0 / 480)) * radius},
  };
  for (const auto& row : rows) {
    const WheelAspectLine& line = lines[row.index];
    const auto at = [&](double angle, double x, double y) {
      const double radians = angle * std::numbers::pi / 180;
      return std::abs(x - (centre + MaleRing.Inner * radius * std::cos(radians))) < kCanvasTolerance &&
             std::abs(y - (centre - MaleRing.Inner * radius * std::sin(radians))) < kCanvasTolerance;
    };
    EXPECT_EQ(AspectSentence(line.Of), row.sentence) << row.index;
    EXPECT_TRUE(at(row.male, line.Line.X1, line.Line.Y1) && at(row.female, line.Line.X2, line.Line.Y2))
        << row.sentence << ": from " << line.Line.X1 << "," << line.Line.Y1 << " to " << line.Line.X2 << ","
        << line.Line.Y2;
    EXPECT_EQ(line.Line.Stroke, row.colour) << row.sentence;
    EXPECT_NEAR(line.Line.StrokeWidth, row.width, kCanvasTolerance) << row.sentence;
    // Its own middle names it; a point off every line names none.
    const double middleX = (line.Line.X1 + line.Line.X2) / 2, middleY = (line.Line.Y1 + line.Line.Y2) / 2;
    const auto named = AspectLineAt(lines, middleX, middleY, 3);
    ASSERT_TRUE(named) << row.sentence;
    EXPECT_EQ(AspectSentence(lines[*named].Of), row.sentence);
  }
  EXPECT_FALSE(AspectLineAt(lines, 10, 10, 3));
  // The wheel draws the lines, the closest last, so on top.
  const WheelDrawing drawing = DrawChartWheel(wheel, side);
  std::vector<WheelLine> drawn;
  for (const WheelShape& shape : drawing.Shapes) {
    if (const auto* line = std::get_if<WheelLine>(&shape); line && line->Stroke == lines[0].Line.Stroke) {
      drawn.push_back(*line);
    }
  }
  ASSERT_FALSE(drawn.empty());
  EXPECT_EQ(drawn.back().X1, lines[0].Line.X1);
  EXPECT_EQ(drawn.back().Y2, lines[0].Line.Y2);
}

}  // namespace
