// The wheel's dark colours: the contrast ratio against WCAG's own figures,
// what lies under a point, and every text and line of the worked couple's
// wheels (both charts with houses, and a composite wheel) standing out from
// what it is drawn on by at least the ratio WCAG asks.
#include "astro/match/dark_palette.h"

#include <gtest/gtest.h>

#include <variant>

#include "astro/engine/houses/house_system.h"
#include "john_and_mary_positions.h"

namespace zentara {
namespace {

using testing_support::kJohn;
using testing_support::kMary;

constexpr double kRatioTolerance = 0.01;  // of a contrast ratio

TEST(ContrastRatio, MatchesTheGuidelinesFigures) {
  EXPECT_NEAR(ContrastRatio({0, 0, 0}, {255, 255, 255}), 21.0, kRatioTolerance);
  EXPECT_NEAR(ContrastRatio({255, 255, 255}, {255, 255, 255}), 1.0, kRatioTolerance);
  // #777777 on white, the grey usually quoted as just failing 4.5 to 1.
  EXPECT_NEAR(ContrastRatio({0x77, 0x77, 0x77}, {255, 255, 255}), 4.48, kRatioTolerance);
}

TEST(IsDarkWindowColour, DarkBelowLightness128) {
  EXPECT_TRUE(IsDarkWindowColour({53, 53, 53}));
  EXPECT_TRUE(IsDarkWindowColour({0, 0, 255}));   // lightness (255 + 0) / 2 = 127, as Qt counts it
  EXPECT_FALSE(IsDarkWindowColour({2, 2, 255}));  // (255 + 2) / 2 = 128
  EXPECT_FALSE(IsDarkWindowColour({239, 239, 239}));
}

TEST(MirrorLightness, KeepsHueAndTurnsPaperDark) {
  EXPECT_EQ(Lightness(MirrorLightness(PaperWhite)), 0);
  const Colour blue{30, 70, 150};
  const Colour mirrored = MirrorLightness(blue);
  EXPECT_NEAR(Lightness(mirrored), 255 - Lightness(blue), 1);
  EXPECT_GT(mirrored.Blue, mirrored.Red);
}

TEST(FillUnder, TheLastFilledShapeUnderThePoint) {
  WheelDrawing drawing;
  drawing.Side = 100;
  drawing.Shapes = {WheelCircle{50, 50, 40, {0, 0, 0}, 1, Colour{10, 10, 10}},
                    WheelSector{50, 50, 20, 30, 0, 90, {20, 20, 20}},
                    WheelCircle{50, 50, 10, {0, 0, 0}, 1, std::nullopt}};
  const Colour ground{1, 2, 3};
  EXPECT_EQ(FillUnder(drawing, 3, 95, 95, ground), ground);                 // outside everything
  EXPECT_EQ(FillUnder(drawing, 3, 50, 50, ground), (Colour{10, 10, 10}));   // an outline only on top
  EXPECT_EQ(FillUnder(drawing, 3, 75, 50, ground), (Colour{20, 20, 20}));   // the sector, at 0 degrees
  EXPECT_EQ(FillUnder(drawing, 3, 50, 25, ground), (Colour{20, 20, 20}));   // at 90 degrees: up the screen
  EXPECT_EQ(FillUnder(drawing, 3, 50, 75, ground), (Colour{10, 10, 10}));   // at 270: outside the sweep
  EXPECT_EQ(FillUnder(drawing, 1, 75, 50, ground), (Colour{10, 10, 10}));   // before the sector is drawn
}

// Every text and line of `drawing`, made dark, against what is under it.
void ExpectContrastEverywhere(const WheelDrawing& light) {
  const WheelDrawing dark = DarkWheelDrawing(light);
  ASSERT_EQ(dark.Shapes.size(), light.Shapes.size());
  const Colour ground = DarkGround();
  for (std::size_t s = 0; s < dark.Shapes.size(); ++s) {
    if (const auto* text = std::get_if<WheelText>(&dark.Shapes[s])) {
      const Colour under = FillUnder(dark, s, text->X, text->Y - 0.35 * text->Size, ground);
      EXPECT_GE(ContrastRatio(text->Fill, under), TextContrast) << "text \"" << text->Text << "\" at shape " << s;
    } else if (const auto* line = std::get_if<WheelLine>(&dark.Shapes[s])) {
      const Colour under = FillUnder(dark, s, (line->X1 + line->X2) / 2, (line->Y1 + line->Y2) / 2, ground);
      EXPECT_GE(ContrastRatio(line->Stroke, under), LineContrast) << "line at shape " << s;
    } else if (const auto* fill = std::get_if<WheelSector>(&dark.Shapes[s])) {
      EXPECT_LT(Lightness(fill->Fill), 128) << "a light sector left at shape " << s;
    }
  }
}

TEST(DarkWheelDrawing, EveryTextAndLineStandsOut) {
  WheelHouses houses{Partner::Male, HouseSystem::Placidus, {}};
  for (int c = 0; c < 12; ++c) houses.Cusps[static_cast<std::size_t>(c)] = 130.0 + 30.0 * c;
  ExpectContrastEverywhere(DrawChartWheel(LayoutChartWheel(kJohn, kMary, {.Orbs = DefaultAspectOrbs,
                                                                          .Positions = {},
                                                                          .Houses = houses}),
                                          600));
  ExpectContrastEverywhere(DrawChartWheel(LayoutSingleChartWheel(kJohn, "Composite", {}), 600));
}

}  // namespace
}  // namespace zentara
