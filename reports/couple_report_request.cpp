#include "reports/couple_report_request.h"

#include <nlohmann/json.hpp>

#include "astro/engine/equinox.h"
#include "astro/engine/lunar_node.h"
#include "astro/match/zone_list.h"

namespace zentara {

namespace {

using Json = nlohmann::ordered_json;

// Each pick list's length: a position read back must fall inside it.
constexpr int kDays = 31, kMonths = 12, kYears = AstroLastYear - AstroFirstYear + 1, kHours = 24, kMinutes = 60;
constexpr int kZoneRows = static_cast<int>(TimeZoneRowCount);

Json PartnerJson(const AstroPartnerEntries& e) {
  return {{"name", e.Name},
          {"day", e.DayPosition},
          {"month", e.MonthPosition},
          {"year", e.YearPosition},
          {"hour", e.HourPosition},
          {"minute", e.MinutePosition},
          {"zone", e.ZoneRow},
          {"dst", e.DaylightSaving},
          {"lat_degrees", e.LatitudeDegrees},
          {"lat_minutes", e.LatitudeMinutes},
          {"lat_direction", static_cast<int>(e.LatitudeDirection)},
          {"lon_degrees", e.LongitudeDegrees},
          {"lon_minutes", e.LongitudeMinutes},
          {"lon_direction", static_cast<int>(e.LongitudeDirection)},
          {"city", e.City},
          {"state", e.State},
          {"country", e.Country}};
}

// The twelve numerology entries in the form's order.
constexpr std::string NumerologyEntries::*kNumerologyFields[] = {
    &NumerologyEntries::maleFirst,   &NumerologyEntries::maleMiddle,   &NumerologyEntries::maleLast,
    &NumerologyEntries::femaleFirst, &NumerologyEntries::femaleMiddle, &NumerologyEntries::femaleLast,
    &NumerologyEntries::maleMonth,   &NumerologyEntries::maleDay,      &NumerologyEntries::maleYear,
    &NumerologyEntries::femaleMonth, &NumerologyEntries::femaleDay,    &NumerologyEntries::femaleYear,
};

// Readers that say whether the field was there with the right type and range.
bool Take(const Json& object, const char* key, std::string& into) {
  const auto found = object.find(key);
  if (found == object.end() || !found->is_string()) return false;
  into = found->get<std::string>();
  return true;
}

bool Take(const Json& object, const char* key, bool& into) {
  const auto found = object.find(key);
  if (found == object.end() || !found->is_boolean()) return false;
  into = found->get<bool>();
  return true;
}

bool Take(const Json& object, const char* key, int count, int& into) {
  const auto found = object.find(key);
  if (found == object.end() || !found->is_number_integer()) return false;
  const auto value = found->get<long long>();
  if (value < 0 || value >= count) return false;
  into = static_cast<int>(value);
  return true;
}

template <typename Direction>
bool TakeDirection(const Json& object, const char* key, Direction& into) {
  int value = 0;
  if (!Take(object, key, 3, value)) return false;
  into = static_cast<Direction>(value);
  return true;
}

bool TakePartner(const Json& object, AstroPartnerEntries& e) {
  return object.is_object() && Take(object, "name", e.Name) && Take(object, "day", kDays, e.DayPosition) &&
         Take(object, "month", kMonths, e.MonthPosition) && Take(object, "year", kYears, e.YearPosition) &&
         Take(object, "hour", kHours, e.HourPosition) && Take(object, "minute", kMinutes, e.MinutePosition) &&
         Take(object, "zone", kZoneRows, e.ZoneRow) && Take(object, "dst", e.DaylightSaving) &&
         Take(object, "lat_degrees", e.LatitudeDegrees) && Take(object, "lat_minutes", e.LatitudeMinutes) &&
         TakeDirection(object, "lat_direction", e.LatitudeDirection) &&
         Take(object, "lon_degrees", e.LongitudeDegrees) && Take(object, "lon_minutes", e.LongitudeMinutes) &&
         TakeDirection(object, "lon_direction", e.LongitudeDirection) && Take(object, "city", e.City) &&
         Take(object, "state", e.State) && Take(object, "country", e.Country);
}

}  // namespace

std::string CoupleReportRequestText(const CoupleReportInput& input) {
  Json request = {{"male", PartnerJson(input.Astro.Male)},
                  {"female", PartnerJson(input.Astro.Female)},
                  {"equinox", EquinoxName(input.Options.PositionsEquinox)},
                  {"node", LunarNodeName(input.Options.Node)},
                  {"houses", HouseSystemName(input.Houses)},
                  {"orbs", AspectOrbsText(input.Orbs)}};
  if (input.Numerology) {
    Json numerology = Json::array();
    for (const auto field : kNumerologyFields) numerology.push_back((*input.Numerology).*field);
    request["numerology"] = std::move(numerology);
  }
  return request.dump(-1, ' ', false, Json::error_handler_t::replace);
}

std::optional<CoupleReportInput> ReadCoupleReportRequest(std::string_view text) {
  const Json request = Json::parse(text, nullptr, false);
  if (request.is_discarded() || !request.is_object()) return std::nullopt;
  CoupleReportInput input;
  std::string equinox, node, houses, orbs;
  if (!request.contains("male") || !request.contains("female") || !TakePartner(request["male"], input.Astro.Male) ||
      !TakePartner(request["female"], input.Astro.Female) || !Take(request, "equinox", equinox) ||
      !Take(request, "node", node) || !Take(request, "houses", houses) || !Take(request, "orbs", orbs)) {
    return std::nullopt;
  }
  const auto readEquinox = ReadEquinoxName(equinox);
  const auto readNode = ReadLunarNodeName(node);
  const auto readHouses = ReadHouseSystemName(houses);
  const auto readOrbs = ReadAspectOrbs(orbs);
  if (!readEquinox || !readNode || !readHouses || !readOrbs) return std::nullopt;
  input.Options = {*readEquinox, *readNode};
  input.Houses = *readHouses;
  input.Orbs = *readOrbs;
  if (const auto numerology = request.find("numerology"); numerology != request.end()) {
    if (!numerology->is_array() || numerology->size() != std::size(kNumerologyFields)) return std::nullopt;
    NumerologyEntries entries;
    for (std::size_t f = 0; f < std::size(kNumerologyFields); ++f) {
      if (!(*numerology)[f].is_string()) return std::nullopt;
      entries.*kNumerologyFields[f] = (*numerology)[f].get<std::string>();
    }
    input.Numerology = std::move(entries);
  }
  return input;
}

}  // namespace zentara
