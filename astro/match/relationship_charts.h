// The charts of the relationship itself, made from a couple's two charts:
//   the composite chart, each point (every house cusp too) the midpoint of the
//     two partners' same point;
//   the Davison chart, an ordinary chart cast for the moment halfway between
//     the two births in universal time, at the middle of the great-circle arc
//     between the two birth places.
// Both follow the match's options (equinox, node) and the house system asked for.
#pragma once
#include <string>
#include <vector>

#include "astro/match/lookup_sentences.h"
#include "astro/engine/chart_instant.h"
#include "astro/engine/houses/chart_houses.h"
#include "astro/match/astro_match.h"

namespace zentara {

enum class RelationshipKind { Composite, Davison };

// "composite", "davison"; "Composite", "Davison".
std::string_view RelationshipName(RelationshipKind kind);
std::string_view RelationshipTitle(RelationshipKind kind);

// The midpoint of two longitudes (degrees, any values) along the shorter arc
// between them, from 0 to under 360. Where they are exactly opposite, both
// arcs are equal: the midpoint is then the one 90 degrees on from the male
// point in the order of the zodiac.
double MidpointLongitude(double male, double female);

struct Place {
  double Latitude = 0;   // degrees, north positive
  double Longitude = 0;  // degrees, east positive, -180 to 180
};

// The middle of the shorter great-circle arc between two places. Two places
// exactly opposite on the globe have no one shorter arc: the midpoint is then
// the point 90 degrees north of the male place along its meridian.
Place MidpointPlace(const Place& male, const Place& female);

// The moment halfway between two instants in universal time, to the fraction
// of a second, at the midpoint of their places; as the date of universal time
// it falls on and hours from 0 to under 24.
ChartInstant DavisonInstant(const ChartInstant& male, const ChartInstant& female);

struct RelationshipChart {
  RelationshipKind Kind = RelationshipKind::Composite;
  SlotLongitudes Longitudes{};
  ChartPositions Positions;  // the slot texts, cut to the minute; slot 14 empty
  ChartHouses Houses;
  // What the houses say besides their cusps ("His houses: Placidus has no
  // cusps at 70° N; Porphyry used"), one a line.
  std::vector<std::string> Notes;
  ChartInstant Instant;  // the Davison chart's moment and place
};

// The composite chart of a match: the midpoints of the unrounded positions,
// the houses the midpoints of both partners' cusps in `system`.
RelationshipChart CompositeChart(const AstroMatchResult& match, HouseSystem system);
// The same from both partners' longitudes and houses already cast (the
// report frame has them): midpoints and texts only.
RelationshipChart CompositeOf(const SlotLongitudes& male, const SlotLongitudes& female, const ChartHouses& maleHouses,
                              const ChartHouses& femaleHouses);

// The Davison chart of a match, computed as any chart is, with its options.
RelationshipChart DavisonChart(const AstroMatchResult& match, HouseSystem system);

RelationshipChart CastRelationshipChart(RelationshipKind kind, const AstroMatchResult& match, HouseSystem system);

// What the chart is, in one line:
//   "Composite: midpoints of both charts, houses by midpoints of Placidus cusps"
//   "Davison: 1976-11-12 21:47:31 UT at 34°39'20\" N 37°23'05\" W, local mean time 1976-11-12 19:17:59"
std::string RelationshipStatement(const RelationshipChart& chart);
// The same as a sentence the desktop translates (context "Relationship").
Sentence RelationshipStatementSentence(const RelationshipChart& chart);

// The instant as the Davison statement gives it: "1976-11-12 21:47:31" (cut
// to the second), the local mean time of its place the same way, and the
// place "34°39'20\" N 37°23'05\" W" (cut to the arc-second).
std::string UniversalTimeText(const ChartInstant& instant);
std::string LocalMeanTimeText(const ChartInstant& instant);
std::string PlaceText(const ChartInstant& instant);

}  // namespace zentara
