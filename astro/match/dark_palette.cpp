#include "astro/match/dark_palette.h"

#include <algorithm>
#include <cmath>
#include <variant>

namespace zentara {

namespace {

struct Hsl {
  double H = 0, S = 0, L = 0;  // hue in degrees, saturation and lightness 0 to 1
};

Hsl ToHsl(Colour c) {
  const double r = c.Red / 255.0, g = c.Green / 255.0, b = c.Blue / 255.0;
  const double high = std::max({r, g, b}), low = std::min({r, g, b});
  Hsl hsl;
  hsl.L = (high + low) / 2;
  const double span = high - low;
  if (span == 0) return hsl;
  hsl.S = span / (1 - std::abs(2 * hsl.L - 1));
  if (high == r) {
    hsl.H = 60 * std::fmod((g - b) / span + 6, 6.0);
  } else if (high == g) {
    hsl.H = 60 * ((b - r) / span + 2);
  } else {
    hsl.H = 60 * ((r - g) / span + 4);
  }
  return hsl;
}

Colour FromHsl(const Hsl& hsl) {
  const double chroma = (1 - std::abs(2 * hsl.L - 1)) * hsl.S;
  const double x = chroma * (1 - std::abs(std::fmod(hsl.H / 60, 2.0) - 1));
  const double m = hsl.L - chroma / 2;
  double r = 0, g = 0, b = 0;
  switch (static_cast<int>(hsl.H / 60) % 6) {
    case 0: r = chroma, g = x; break;
    case 1: r = x, g = chroma; break;
    case 2: g = chroma, b = x; break;
    case 3: g = x, b = chroma; break;
    case 4: r = x, b = chroma; break;
    default: r = chroma, b = x; break;
  }
  const auto part = [m](double v) { return static_cast<std::uint8_t>(std::clamp(std::lround((v + m) * 255), 0L, 255L)); };
  return {part(r), part(g), part(b)};
}

// Relative luminance (WCAG 2.1): each sRGB component linearised, then weighted.
double Luminance(Colour c) {
  const auto linear = [](std::uint8_t part) {
    const double v = part / 255.0;
    return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * linear(c.Red) + 0.7152 * linear(c.Green) + 0.0722 * linear(c.Blue);
}

bool Inside(const WheelShape& shape, double x, double y, Colour& fill) {
  if (const auto* circle = std::get_if<WheelCircle>(&shape)) {
    if (!circle->Fill || std::hypot(x - circle->X, y - circle->Y) > circle->Radius) return false;
    fill = *circle->Fill;
    return true;
  }
  if (const auto* sector = std::get_if<WheelSector>(&shape)) {
    const double distance = std::hypot(x - sector->X, y - sector->Y);
    if (distance < sector->Inner || distance > sector->Outer) return false;
    // Screen angles run counter-clockwise with y growing downwards.
    double angle = std::atan2(sector->Y - y, x - sector->X) * 180 / 3.14159265358979323846;
    double from = sector->StartAngle, sweep = sector->Sweep;
    if (sweep < 0) from += sweep, sweep = -sweep;
    const double along = std::fmod(std::fmod(angle - from, 360.0) + 360.0, 360.0);
    if (along > sweep) return false;
    fill = sector->Fill;
    return true;
  }
  return false;
}

}  // namespace

int Lightness(Colour c) { return (std::max({c.Red, c.Green, c.Blue}) + std::min({c.Red, c.Green, c.Blue})) / 2; }

bool IsDarkWindowColour(Colour window) { return Lightness(window) < 128; }

double ContrastRatio(Colour a, Colour b) {
  const double la = Luminance(a), lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

Colour MirrorLightness(Colour colour) {
  Hsl hsl = ToHsl(colour);
  hsl.L = 1 - hsl.L;
  return FromHsl(hsl);
}

Colour LightenAgainst(Colour ink, Colour ground, double ratio) {
  if (ContrastRatio(ink, ground) >= ratio) return ink;
  Hsl hsl = ToHsl(ink);
  // Lightness only rises from here; the first step that is enough is taken.
  for (double lightness = hsl.L; lightness <= 1.0; lightness += 0.005) {
    hsl.L = lightness;
    const Colour lighter = FromHsl(hsl);
    if (ContrastRatio(lighter, ground) >= ratio) return lighter;
  }
  return PaperWhite;
}

Colour FillUnder(const WheelDrawing& drawing, std::size_t before, double x, double y, Colour ground) {
  Colour fill = ground;
  for (std::size_t s = 0; s < before && s < drawing.Shapes.size(); ++s) {
    Colour here;
    if (Inside(drawing.Shapes[s], x, y, here)) fill = here;
  }
  return fill;
}

WheelDrawing DarkWheelDrawing(const WheelDrawing& drawing) {
  WheelDrawing dark = drawing;
  const Colour ground = DarkGround();
  for (std::size_t s = 0; s < dark.Shapes.size(); ++s) {
    WheelShape& shape = dark.Shapes[s];
    // What is under a shape is read from the dark drawing as made so far.
    if (auto* circle = std::get_if<WheelCircle>(&shape)) {
      if (circle->Fill) circle->Fill = MirrorLightness(*circle->Fill);
      const Colour under = FillUnder(dark, s, circle->X + circle->Radius, circle->Y, ground);
      circle->Stroke = LightenAgainst(MirrorLightness(circle->Stroke), under, LineContrast);
    } else if (auto* sector = std::get_if<WheelSector>(&shape)) {
      sector->Fill = MirrorLightness(sector->Fill);
    } else if (auto* line = std::get_if<WheelLine>(&shape)) {
      const Colour under = FillUnder(dark, s, (line->X1 + line->X2) / 2, (line->Y1 + line->Y2) / 2, ground);
      line->Stroke = LightenAgainst(MirrorLightness(line->Stroke), under, LineContrast);
    } else if (auto* text = std::get_if<WheelText>(&shape)) {
      const Colour under = FillUnder(dark, s, text->X, text->Y - 0.35 * text->Size, ground);
      text->Fill = LightenAgainst(MirrorLightness(text->Fill), under, TextContrast);
    }
  }
  return dark;
}

}  // namespace zentara
