#include "astro/match/chart_wheel_drawing.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace zentara {
namespace {

// Half the height of a capital in DejaVu Sans, in em: a text's baseline stands
// this far below the point it is centred on.
constexpr double HalfCapHeight = 0.36;

// Sizes as shares of the wheel's radius.
constexpr double LegendSize = 0.045;
constexpr double CornerTextSize = 0.034;  // the key to the colours, the equinox
constexpr double ThinLine = 0.003, Line = 0.005, ThickLine = 0.008;
// Degree marks on the zodiac ring's inner edge: every 5 degrees, longer every 10.
constexpr double ShortMark = 0.015, LongMark = 0.03;
// A symbol moved further than this from its tick gets a line back to it.
constexpr double LeaderAngle = 0.5;  // degrees
// An aspect's line is this wide when exact, and a third of it at its orb's edge.
constexpr double ExactAspectLine = 0.009;
constexpr double AspectLineAtOrb = ExactAspectLine / 3;
// The key to the aspects' colours and the statement of the equinox: the
// horizontal centres of their texts, and the baseline of their last line, as
// shares of the canvas side; their lines stand this many em apart.
constexpr double KeyCentre = 0.865, StatementCentre = 0.135, LastBaseline = 0.975;
constexpr double CornerLineSpacing = 1.25;

constexpr Colour Ink{40, 40, 40};
constexpr Colour Faint{205, 205, 205};
constexpr Colour White{255, 255, 255};
constexpr Colour MaleBand{240, 245, 252};
// The house cusps: lines in a paler shade of their partner's ink, so the
// planets' symbols and ticks drawn over them stay the strongest marks, and
// numbers in the ink itself.
constexpr Colour MaleCuspInk{140, 165, 210};
constexpr Colour FemaleCuspInk{215, 150, 170};
// A chart of its own: its points, axes and house numbers in one ink, its band
// and its cusps in shades of it.
constexpr Colour SingleInk{85, 55, 125};
constexpr Colour SingleBand{245, 242, 250};
constexpr Colour SingleCuspInk{175, 160, 200};
// The house numbers stand in the inner disc, this far out, at the middle of
// their house, this large, each on a white disc of its own so that the
// aspects' lines under it leave it readable; the cusps of houses 1, 4, 7 and
// 10 are drawn wider than the rest.
constexpr double HouseNumberRadius = 0.255;
constexpr double HouseNumberSize = 0.042;
constexpr double HouseNumberDisc = 0.034;
// Narrow houses (beyond the polar circles, or a composite's) would crowd their
// numbers' discs together: the numbers move apart to at least this angle,
// a disc's width at their radius and a little more.
constexpr double HouseNumberSeparation = 16;  // degrees
constexpr Colour FemaleBand{252, 242, 245};

// Fire, earth, air and water, the elements of the signs in turn from Aries:
// the ring's tint and the sign symbol's colour, one row an element.
struct ElementColours {
  Colour Tint, Symbol;
};
constexpr ElementColours Elements[4] = {
    {{251, 225, 214}, {190, 60, 40}},
    {{228, 238, 214}, {70, 120, 40}},
    {{250, 243, 206}, {160, 120, 10}},
    {{216, 231, 247}, {40, 90, 170}},
};

class Canvas {
 public:
  explicit Canvas(double side) : centre_(side / 2), radius_(side * WheelRadiusShare) { drawing_.Side = side; }

  double X(double share, double angle) const { return centre_ + share * radius_ * std::cos(Radians(angle)); }
  double Y(double share, double angle) const { return centre_ - share * radius_ * std::sin(Radians(angle)); }

  void disc(double share, std::optional<Colour> fill, Colour stroke, double width) {
    add(WheelCircle{centre_, centre_, share * radius_, stroke, width * radius_, fill});
  }
  void sector(double inner, double outer, double start, double sweep, Colour fill) {
    add(WheelSector{centre_, centre_, inner * radius_, outer * radius_, start, sweep, fill});
  }
  // A line from one radius to another, each at its own angle.
  void line(double from, double fromAngle, double to, double toAngle, Colour stroke, double width) {
    add(WheelLine{X(from, fromAngle), Y(from, fromAngle), X(to, toAngle), Y(to, toAngle), stroke, width * radius_});
  }
  void text(double share, double angle, std::string text, double size, Colour fill) {
    textAt(X(share, angle), Y(share, angle), std::move(text), size, fill);
  }
  void textAt(double x, double y, std::string text, double size, Colour fill) {
    add(WheelText{x, y + HalfCapHeight * size * radius_, std::move(text), size * radius_, fill});
  }
  WheelDrawing take() { return std::move(drawing_); }
  void add(WheelShape shape) { drawing_.Shapes.push_back(std::move(shape)); }
  double radius() const { return radius_; }

 private:
  static double Radians(double degrees) { return degrees * std::numbers::pi / 180.0; }

  double centre_, radius_;
  WheelDrawing drawing_;
};

std::string TwoDigits(int value) {
  return std::string(1, static_cast<char>('0' + value / 10)) + static_cast<char>('0' + value % 10);
}

void DrawZodiac(Canvas& canvas, double ascendant) {
  for (int sign = 0; sign < 12; ++sign) {
    const double start = ScreenAngle(30.0 * sign, ascendant);
    const ElementColours& element = Elements[sign % 4];
    canvas.sector(ZodiacRing.Inner, ZodiacRing.Outer, start, 30, element.Tint);
    canvas.text(SignSymbolRadius, start + 15, std::string(SignSymbols[static_cast<std::size_t>(sign)]),
                SignSymbolSize, element.Symbol);
  }
  for (int degree = 0; degree < 360; degree += 5) {
    const double angle = ScreenAngle(degree, ascendant);
    if (degree % 30 == 0) {
      canvas.line(MaleRing.Inner, angle, ZodiacRing.Inner, angle, Faint, ThinLine);
      canvas.line(ZodiacRing.Inner, angle, ZodiacRing.Outer, angle, Ink, ThinLine);
    } else {
      const double mark = degree % 10 == 0 ? LongMark : ShortMark;
      canvas.line(ZodiacRing.Inner, angle, ZodiacRing.Inner + mark, angle, Ink, ThinLine);
    }
  }
}

void DrawRing(Canvas& canvas, const std::vector<WheelPoint>& points, const WheelRing& ring, Colour ink) {
  for (const WheelPoint& point : points) {
    canvas.line(ring.Outer, point.TickAngle, ring.TickEnd, point.TickAngle, ink, ThickLine);
    const bool angleText = point.Slot == AscendantSlot || point.Slot == MidheavenSlot;
    const double size = angleText ? AngleSymbolSize : PlanetSymbolSize;
    if (std::abs(std::remainder(point.SymbolAngle - point.TickAngle, 360.0)) > LeaderAngle) {
      canvas.line(ring.TickEnd, point.TickAngle, point.LeaderEnd, point.SymbolAngle, ink, ThinLine);
    }
    canvas.text(point.SymbolRadius, point.SymbolAngle, std::string(PointSymbols[point.Slot]), size, ink);
    canvas.text(point.DegreesRadius, point.SymbolAngle, TwoDigits(point.Position.Degrees) + "\u00B0", NumberSize, ink);
    canvas.text(point.MinutesRadius, point.SymbolAngle, TwoDigits(point.Position.Minutes) + "'", NumberSize, ink);
  }
}

// The male (or the single chart's) horizon (ascendant to descendant) and
// meridian (MC to IC) across the centre.
void DrawAxes(Canvas& canvas, const ChartWheel& wheel, Colour ink) {
  for (const WheelPoint& point : wheel.Male) {
    if (point.Slot != AscendantSlot && point.Slot != MidheavenSlot) continue;
    canvas.line(MaleRing.Inner, point.TickAngle, MaleRing.Inner, point.TickAngle + 180, ink, Line);
  }
}

// One partner's cusps across both planet rings, and each house's number at
// the middle of its arc in the inner disc.
void DrawCuspLines(Canvas& canvas, const ChartWheel& wheel) {
  const WheelHouses& houses = *wheel.Houses;
  const Colour line =
      !wheel.Title.empty() ? SingleCuspInk : houses.Of == Partner::Male ? MaleCuspInk : FemaleCuspInk;
  for (std::size_t cusp = 0; cusp < houses.Cusps.size(); ++cusp) {
    const double angle = ScreenAngle(houses.Cusps[cusp], wheel.Ascendant);
    canvas.line(ZodiacRing.Inner, angle, MaleRing.Inner, angle, line, cusp % 3 == 0 ? Line : ThinLine);
  }
}

void DrawHouseNumbers(Canvas& canvas, const ChartWheel& wheel) {
  const WheelHouses& houses = *wheel.Houses;
  const bool single = !wheel.Title.empty(), male = houses.Of == Partner::Male;
  const Colour ink = single ? SingleInk : male ? MaleInk : FemaleInk;
  const Colour line = single ? SingleCuspInk : male ? MaleCuspInk : FemaleCuspInk;
  // Each number at the middle of its house, moved apart where houses are narrow.
  std::vector<double> middles;
  for (std::size_t cusp = 0; cusp < houses.Cusps.size(); ++cusp) {
    const double start = houses.Cusps[cusp];
    const double arc = std::fmod(houses.Cusps[(cusp + 1) % houses.Cusps.size()] - start + 360.0, 360.0);
    middles.push_back(start + arc / 2);
  }
  const std::vector<double> placed = SpreadAngles(middles, HouseNumberSeparation);
  for (std::size_t cusp = 0; cusp < placed.size(); ++cusp) {
    const double angle = ScreenAngle(placed[cusp], wheel.Ascendant);
    canvas.add(WheelCircle{canvas.X(HouseNumberRadius, angle), canvas.Y(HouseNumberRadius, angle),
                           HouseNumberDisc * canvas.radius(), line, ThinLine * canvas.radius(), White});
    canvas.text(HouseNumberRadius, angle, std::to_string(cusp + 1), HouseNumberSize, ink);
  }
}

// Texts in a corner, one a line, the last line's baseline at LastBaseline.
void CornerTexts(Canvas& canvas, double side, double centre, const std::vector<KeyLine>& lines) {
  const double spacing = CornerLineSpacing * CornerTextSize * canvas.radius();
  double y = side * LastBaseline - spacing * static_cast<double>(lines.size() - 1);
  for (const KeyLine& line : lines) {
    canvas.add(WheelText{side * centre, y, line.Text, CornerTextSize * canvas.radius(), line.Ink});
    y += spacing;
  }
}

double DistanceToSegment(const WheelLine& line, double x, double y) {
  const double dx = line.X2 - line.X1, dy = line.Y2 - line.Y1;
  const double length2 = dx * dx + dy * dy;
  const double t = length2 > 0 ? std::clamp(((x - line.X1) * dx + (y - line.Y1) * dy) / length2, 0.0, 1.0) : 0.0;
  return std::hypot(x - (line.X1 + t * dx), y - (line.Y1 + t * dy));
}

}  // namespace

Colour AspectColour(AspectKind kind) {
  return AspectToneColours[static_cast<std::size_t>(AspectKindOf(kind).Tone)];
}

std::vector<KeyLine> AspectKeyLines() {
  std::vector<KeyLine> lines;
  for (const AspectTone tone : {AspectTone::Harmonious, AspectTone::Tense, AspectTone::Conjunction}) {
    std::string line;
    for (const AspectKindRow& kind : AspectKinds) {
      if (kind.Tone != tone) continue;
      if (!line.empty()) line += ", ";
      line += std::string(kind.Symbol) + " " + std::string(kind.Name);
    }
    lines.push_back({std::move(line), AspectToneColours[static_cast<std::size_t>(tone)]});
  }
  return lines;
}

std::vector<WheelAspectLine> AspectLines(const ChartWheel& wheel, double side) {
  const Canvas canvas(side);
  std::vector<WheelAspectLine> lines;
  for (const Aspect& aspect : wheel.Aspects) {
    // A single chart's aspects join two of its own points.
    const WheelPoint* male = FindWheelPoint(wheel.Male, aspect.Male);
    const WheelPoint* female = FindWheelPoint(wheel.Title.empty() ? wheel.Female : wheel.Male, aspect.Female);
    if (male == nullptr || female == nullptr) continue;
    const double orbMinutes = 60.0 * aspect.Orb;
    const double closeness = orbMinutes > 0 ? 1 - aspect.SeparationMinutes / orbMinutes : 1;
    const double width = AspectLineAtOrb + (ExactAspectLine - AspectLineAtOrb) * closeness;
    const double r = MaleRing.Inner;
    lines.push_back({aspect,
                     {canvas.X(r, male->TickAngle), canvas.Y(r, male->TickAngle), canvas.X(r, female->TickAngle),
                      canvas.Y(r, female->TickAngle), AspectColour(aspect.Kind), width * canvas.radius()}});
  }
  return lines;
}

std::optional<std::size_t> AspectLineAt(const std::vector<WheelAspectLine>& lines, double x, double y,
                                        double reach) {
  std::optional<std::size_t> nearest;
  double nearestDistance = 0;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const double distance = DistanceToSegment(lines[i].Line, x, y) - lines[i].Line.StrokeWidth / 2;
    if (distance <= reach && (!nearest || distance < nearestDistance)) {
      nearest = i;
      nearestDistance = distance;
    }
  }
  return nearest;
}

WheelDrawing DrawChartWheel(const ChartWheel& wheel, double side) {
  Canvas canvas(side);
  const bool single = !wheel.Title.empty();
  if (single) {
    canvas.disc(SingleRing.Outer, SingleBand, Ink, Line);
  } else {
    canvas.disc(FemaleRing.Outer, FemaleBand, Ink, Line);
    canvas.disc(MaleRing.Outer, MaleBand, Ink, Line);
  }
  canvas.disc(MaleRing.Inner, White, Ink, Line);
  DrawZodiac(canvas, wheel.Ascendant);
  canvas.disc(ZodiacRing.Outer, std::nullopt, Ink, ThickLine);
  canvas.disc(ZodiacRing.Inner, std::nullopt, Ink, Line);
  if (wheel.Houses) DrawCuspLines(canvas, wheel);
  DrawAxes(canvas, wheel, single ? SingleInk : MaleInk);
  const std::vector<WheelAspectLine> lines = AspectLines(wheel, side);
  for (auto line = lines.rbegin(); line != lines.rend(); ++line) canvas.add(line->Line);
  if (wheel.Houses) DrawHouseNumbers(canvas, wheel);
  if (single) {
    DrawRing(canvas, wheel.Male, SingleRing, SingleInk);
    canvas.textAt(side * 0.12, side * 0.04, wheel.Title, LegendSize, SingleInk);
  } else {
    DrawRing(canvas, wheel.Female, FemaleRing, FemaleInk);
    DrawRing(canvas, wheel.Male, MaleRing, MaleInk);
    // Which ring is whose, in the canvas's top corners.
    canvas.textAt(side * 0.12, side * 0.04, "Inner: Male", LegendSize, MaleInk);
    canvas.textAt(side * 0.88, side * 0.04, "Outer: Female", LegendSize, FemaleInk);
  }
  // Under the legend of the chart whose cusps are drawn: their system.
  if (wheel.Houses) {
    const bool left = single || wheel.Houses->Of == Partner::Male;
    canvas.add(WheelText{side * (left ? 0.12 : 0.88), side * 0.075,
                         std::string(HouseSystemTitle(wheel.Houses->System)) + " houses",
                         CornerTextSize * canvas.radius(), single ? SingleInk : left ? MaleInk : FemaleInk});
  }
  CornerTexts(canvas, side, KeyCentre, AspectKeyLines());
  const PositionsStatementLines statement = PositionsStatementHalves(wheel.Positions);
  CornerTexts(canvas, side, StatementCentre, {{statement.First, Ink}, {statement.Second, Ink}});
  return canvas.take();
}

}  // namespace zentara
