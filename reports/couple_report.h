// The couple report: one document of everything the program says about two
// people, to read and hand over. A cover with both names and births; the
// numerology readings (the three classic ones and the extended numbers) when
// both full names are known; the astro report's figures and charts, the
// four figures explained and the second score; the chart wheel with houses;
// the aspects and the overlays with their texts; the composite and Davison
// charts; and the options the charts were made with.
//
// It is written as a simple HTML document (headings, paragraphs, tables and
// pictures named by the Wheel... constants) that a renderer lays out on pages;
// the pictures are the wheels the caller draws.
#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "astro/engine/houses/house_system.h"
#include "astro/match/astro_entries.h"
#include "astro/match/astro_match.h"
#include "astro/match/synastry.h"
#include "numerology/numerology_entries.h"

namespace zentara {

// The names of the report's pictures, as its <img> elements give them.
inline constexpr std::string_view CoupleWheelPicture = "couple-wheel";
inline constexpr std::string_view CompositeWheelPicture = "composite-wheel";
inline constexpr std::string_view DavisonWheelPicture = "davison-wheel";

struct CoupleReportInput {
  AstroEntries Astro;                            // as the astro form holds them
  std::optional<NumerologyEntries> Numerology;   // when both full names are known
  ChartOptions Options;
  HouseSystem Houses = HouseSystem::Placidus;
  AspectOrbs Orbs = DefaultAspectOrbs;
};

// The report's headings, in order, as they stand in the document.
inline constexpr std::string_view CoupleReportHeadings[] = {
    "Couple Report", "Numerology", "The Astro Report", "The Four Figures", "A Second Score", "The Chart Wheel",
    "Aspects",       "Houses",     "The Composite Chart", "The Davison Chart", "Options",
};

// The longest name the report takes, in letters. Every aspect and overlay
// text names the partners, so a name of thousands of letters would make a
// report of thousands of pages: one of 20,000 letters made 640.
inline constexpr std::size_t MaxCoupleReportNameLetters = 100;

// Why the report cannot be made of `input` ("The couple report takes names of
// at most 100 letters."), or nothing when it can.
std::optional<std::string_view> CoupleReportRefusal(const CoupleReportInput& input);

// The document, or nothing when the astro entries do not make a match.
std::optional<std::string> CoupleReportHtml(const CoupleReportInput& input);
// The same from the match of `input`'s entries and options, made already.
std::string CoupleReportHtml(const CoupleReportInput& input, const AstroMatchResult& match);

}  // namespace zentara
