#include "astro/match/relationship_charts.h"

#include "common/translatable.h"

#include <cmath>
#include <cstdio>
#include <numbers>

#include "astro/engine/chart_longitudes.h"
#include "astro/engine/planets/calendar.h"
#include "astro/engine/planets/chart_table.h"

namespace zentara {
namespace {

constexpr double Degree = std::numbers::pi / 180;
constexpr double HoursPerDay = 24;
// A time is cut to the second after this much is added: a moment that is a
// whole second to within the double's rounding (hours times 3600) shows as
// that second, not the one before it.
constexpr double SecondSlack = 1e-6;  // seconds

double Turned(double degrees) {
  const double reduced = std::fmod(degrees, 360.0);
  return reduced < 0 ? reduced + 360.0 : reduced;
}

// Hours after a date's midnight as the date they fall on and the hours into it.
ChartInstant Normalized(long long dayNumber, double hours, const Place& place) {
  const double days = std::floor(hours / HoursPerDay);
  hours -= days * HoursPerDay;
  dayNumber += static_cast<long long>(days);
  const modPlanetPosition_Western::CivilDate date = modPlanetPosition_Western::CivilDateOfDayNumber(dayNumber);
  return {date.Year, date.Month, date.Day, hours, place.Latitude, place.Longitude};
}

long long DayNumberOf(const ChartInstant& instant) {
  return static_cast<long long>(modPlanetPosition_Western::JulianDayNumber(instant.Month, instant.Day, instant.Year));
}

// "1976-11-12 21:47:31": a date and hours after its midnight, cut to the second.
std::string DateAndTimeText(long long dayNumber, double hours) {
  long long seconds = static_cast<long long>(std::floor(hours * 3600 + SecondSlack));
  const long long days = seconds >= 0 ? seconds / 86400 : -((-seconds + 86399) / 86400);
  seconds -= days * 86400;
  const modPlanetPosition_Western::CivilDate date = modPlanetPosition_Western::CivilDateOfDayNumber(dayNumber + days);
  char text[40];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %02lld:%02lld:%02lld", date.Year, date.Month, date.Day,
                seconds / 3600, seconds / 60 % 60, seconds % 60);
  return text;
}

// "34°39'20\" N": degrees, minutes and seconds, cut to the arc-second.
std::string AngleText(double degrees, char positive, char negative) {
  const long long seconds = static_cast<long long>(std::floor(std::abs(degrees) * 3600 + SecondSlack));
  char text[40];
  std::snprintf(text, sizeof text, "%lld\u00B0%02lld'%02lld\" %c", seconds / 3600, seconds / 60 % 60, seconds % 60,
                degrees < 0 ? negative : positive);
  return text;
}

void AddHouseNotes(std::vector<std::string>& notes, const char* whose, const ChartHouses& houses) {
  for (const std::string& statement : HouseStatements(houses)) notes.push_back(whose + statement);
}

}  // namespace

std::string_view RelationshipName(RelationshipKind kind) {
  return kind == RelationshipKind::Composite ? "composite" : "davison";
}

std::string_view RelationshipTitle(RelationshipKind kind) {
  return kind == RelationshipKind::Composite ? "Composite" : "Davison";
}

double MidpointLongitude(double male, double female) {
  const double m = Turned(male);
  const double forward = Turned(female - m);  // from the male point on to the female, 0 to under 360
  // Exactly opposite, both ways are 180: the forward half is taken.
  const double half = forward <= 180 ? forward / 2 : (forward - 360) / 2;
  return Turned(m + half);
}

Place MidpointPlace(const Place& male, const Place& female) {
  const auto vector = [](const Place& place) {
    const double lat = place.Latitude * Degree, lon = place.Longitude * Degree;
    return std::array<double, 3>{std::cos(lat) * std::cos(lon), std::cos(lat) * std::sin(lon), std::sin(lat)};
  };
  const std::array<double, 3> a = vector(male), b = vector(female);
  std::array<double, 3> sum{a[0] + b[0], a[1] + b[1], a[2] + b[2]};
  const double length = std::hypot(sum[0], sum[1], sum[2]);
  // Opposite places (the sum vanishes but for rounding): north along the male meridian.
  constexpr double OppositeSlack = 1e-12;
  if (length < OppositeSlack) {
    const double lat = male.Latitude * Degree, lon = male.Longitude * Degree;
    sum = {-std::sin(lat) * std::cos(lon), -std::sin(lat) * std::sin(lon), std::cos(lat)};
  }
  const double latitude = std::atan2(sum[2], std::hypot(sum[0], sum[1])) / Degree;
  // At a pole the longitude is any; the male place's is kept.
  const double longitude =
      std::hypot(sum[0], sum[1]) > 0 ? std::atan2(sum[1], sum[0]) / Degree : male.Longitude;
  return {latitude, longitude};
}

ChartInstant DavisonInstant(const ChartInstant& male, const ChartInstant& female) {
  // Whole days apart and hours apart are halved separately, so the sum of two
  // Julian days (some 4.9 million) never costs the hours their precision.
  long long days = DayNumberOf(male) + DayNumberOf(female);
  double hours = male.UniversalHours + female.UniversalHours;
  if (days % 2 != 0) {
    days -= 1;
    hours += HoursPerDay;
  }
  const Place place =
      MidpointPlace({male.Latitude, male.Longitude}, {female.Latitude, female.Longitude});
  return Normalized(days / 2, hours / 2, place);
}

RelationshipChart CompositeOf(const SlotLongitudes& male, const SlotLongitudes& female, const ChartHouses& maleHouses,
                              const ChartHouses& femaleHouses) {
  RelationshipChart chart;
  chart.Kind = RelationshipKind::Composite;
  for (std::size_t slot = 0; slot < FilledChartSlotCount; ++slot) {
    chart.Longitudes[slot] = MidpointLongitude(male[slot], female[slot]);
  }
  modPlanetPosition_Western::FillSlotTexts(chart.Longitudes, chart.Positions);
  chart.Houses.Asked = chart.Houses.Used = maleHouses.Asked;
  for (std::size_t cusp = 0; cusp < 12; ++cusp) {
    chart.Houses.Cusps[cusp] = MidpointLongitude(maleHouses.Cusps[cusp], femaleHouses.Cusps[cusp]);
  }
  AddHouseNotes(chart.Notes, "His houses: ", maleHouses);
  AddHouseNotes(chart.Notes, "Her houses: ", femaleHouses);
  return chart;
}

RelationshipChart CompositeChart(const AstroMatchResult& match, HouseSystem system) {
  return CompositeOf(match.MaleLongitudes, match.FemaleLongitudes, CastChartHouses(match.MaleHouseBasis, system),
                     CastChartHouses(match.FemaleHouseBasis, system));
}

RelationshipChart DavisonChart(const AstroMatchResult& match, HouseSystem system) {
  RelationshipChart chart;
  chart.Kind = RelationshipKind::Davison;
  chart.Instant = DavisonInstant(match.MaleInstant, match.FemaleInstant);
  const ChartLongitudes cast = CalculateChartLongitudes(chart.Instant, match.Options());
  chart.Longitudes = cast.Longitudes;
  modPlanetPosition_Western::FillSlotTexts(chart.Longitudes, chart.Positions);
  chart.Houses = CastChartHouses(cast.Houses, system);
  AddHouseNotes(chart.Notes, "", chart.Houses);
  return chart;
}

RelationshipChart CastRelationshipChart(RelationshipKind kind, const AstroMatchResult& match, HouseSystem system) {
  return kind == RelationshipKind::Composite ? CompositeChart(match, system) : DavisonChart(match, system);
}

std::string UniversalTimeText(const ChartInstant& instant) {
  return DateAndTimeText(DayNumberOf(instant), instant.UniversalHours);
}

std::string LocalMeanTimeText(const ChartInstant& instant) {
  // Local mean time runs ahead of universal time by four minutes a degree east.
  return DateAndTimeText(DayNumberOf(instant), instant.UniversalHours + instant.Longitude / 15);
}

std::string PlaceText(const ChartInstant& instant) {
  return AngleText(instant.Latitude, 'N', 'S') + " " + AngleText(instant.Longitude, 'E', 'W');
}

Sentence RelationshipStatementSentence(const RelationshipChart& chart) {
  if (chart.Kind == RelationshipKind::Composite) {
    return {QT_TRANSLATE_NOOP("Relationship", "Composite: midpoints of both charts, houses by midpoints of %1 cusps"),
            nullptr, -1, {std::string(HouseSystemTitle(chart.Houses.Asked))}};
  }
  return {QT_TRANSLATE_NOOP("Relationship", "Davison: %1 UT at %2, local mean time %3"), nullptr, -1,
          {UniversalTimeText(chart.Instant), PlaceText(chart.Instant), LocalMeanTimeText(chart.Instant)}};
}

std::string RelationshipStatement(const RelationshipChart& chart) {
  return EnglishText({RelationshipStatementSentence(chart)});
}

}  // namespace zentara
