// The wheel and the aspect grid on a dark desktop. Their colours are made for
// white paper; on a dark palette each keeps its hue and saturation and takes
// the mirror of its lightness (light tints become dark ones, dark inks light
// ones), and every text and line is then made lighter where needed to stand
// out from what it is drawn on by the contrast WCAG 2.x asks: 4.5 to 1 for
// text, 3 to 1 for lines (Web Content Accessibility Guidelines 2.1, success
// criteria 1.4.3 and 1.4.11). Print, PDF, SVG and PNG keep the light colours.
#pragma once

#include "astro/match/chart_wheel_drawing.h"

namespace zentara {

inline constexpr double TextContrast = 4.5;  // to 1, WCAG 2.1 SC 1.4.3
inline constexpr double LineContrast = 3.0;  // to 1, WCAG 2.1 SC 1.4.11

inline constexpr Colour PaperWhite{255, 255, 255};

// HSL lightness (0 to 255, the mean of the largest and smallest component).
int Lightness(Colour colour);

// A desktop is dark when its window colour's lightness is below 128.
bool IsDarkWindowColour(Colour window);

// The contrast ratio of two colours from their relative luminance (WCAG 2.1,
// "contrast ratio" and "relative luminance"): 1 to 21.
double ContrastRatio(Colour a, Colour b);

// The colour with its HSL lightness mirrored (L becomes 255 - L).
Colour MirrorLightness(Colour colour);

// `ink` made lighter, its hue and saturation kept, as little as gives at
// least `ratio` against the dark `ground`; white when nothing less does.
Colour LightenAgainst(Colour ink, Colour ground, double ratio);

// The background a dark drawing is painted on.
inline Colour DarkGround() { return MirrorLightness(PaperWhite); }

// What is under the point (x, y) of `drawing` before shape `before` is drawn:
// the fill of the last filled circle or sector there, or `ground`.
Colour FillUnder(const WheelDrawing& drawing, std::size_t before, double x, double y, Colour ground);

// The drawing in dark colours: fills mirrored, texts and lines mirrored and
// lightened against what is under them (texts at the middle of their letters,
// lines at their middle).
WheelDrawing DarkWheelDrawing(const WheelDrawing& drawing);

}  // namespace zentara
