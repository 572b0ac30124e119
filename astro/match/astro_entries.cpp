#include "astro/match/astro_entries.h"

#include "common/translatable.h"

#include <cstdint>

namespace zentara {
namespace {

struct RequiredText {
  std::string AstroPartnerEntries::*text;
  AstroField field;
  std::string_view maleMessage;
  std::string_view femaleMessage;
};

// In check order. The male longitude minutes say "Minute", the female "Minutes".
constexpr RequiredText kRequired[] = {
    {&AstroPartnerEntries::Name, AstroField::Name,
     QT_TRANSLATE_NOOP("Checks", "Please Enter Male Name"), QT_TRANSLATE_NOOP("Checks", "Please Enter Female Name")},
    {&AstroPartnerEntries::LatitudeDegrees, AstroField::LatitudeDegrees,
     QT_TRANSLATE_NOOP("Checks", "Please Enter Degree in Latitude"), QT_TRANSLATE_NOOP("Checks", "Please Enter Degree in Latitude")},
    {&AstroPartnerEntries::LatitudeMinutes, AstroField::LatitudeMinutes,
     QT_TRANSLATE_NOOP("Checks", "Please Enter Minutes in Latitude"), QT_TRANSLATE_NOOP("Checks", "Please Enter Minutes in Latitude")},
    {&AstroPartnerEntries::LongitudeDegrees, AstroField::LongitudeDegrees,
     QT_TRANSLATE_NOOP("Checks", "Please Enter Degree in Longitude"), QT_TRANSLATE_NOOP("Checks", "Please Enter Degree in Longitude")},
    {&AstroPartnerEntries::LongitudeMinutes, AstroField::LongitudeMinutes,
     QT_TRANSLATE_NOOP("Checks", "Please Enter Minute in Longitude"), QT_TRANSLATE_NOOP("Checks", "Please Enter Minutes in Longitude")},
    {&AstroPartnerEntries::City, AstroField::City, QT_TRANSLATE_NOOP("Checks", "Please Enter City"), QT_TRANSLATE_NOOP("Checks", "Please Enter City")},
    {&AstroPartnerEntries::State, AstroField::State, QT_TRANSLATE_NOOP("Checks", "Please Enter State"), QT_TRANSLATE_NOOP("Checks", "Please Enter State")},
    {&AstroPartnerEntries::Country, AstroField::Country, QT_TRANSLATE_NOOP("Checks", "Please Enter Country"), QT_TRANSLATE_NOOP("Checks", "Please Enter Country")},
};
constexpr std::size_t kFirstPlaceCheck = 5;  // City

std::optional<AstroCheckFailure> CheckRequired(const AstroPartnerEntries& entries, Partner partner,
                                               std::size_t first) {
  for (std::size_t i = first; i < std::size(kRequired); ++i) {
    const RequiredText& check = kRequired[i];
    if ((entries.*check.text).empty()) {
      return AstroCheckFailure{partner == Partner::Male ? check.maleMessage : check.femaleMessage,
                               CheckIcon::Critical, partner, check.field, std::nullopt};
    }
  }
  return std::nullopt;
}

std::optional<AstroCheckFailure> CheckPartner(const AstroPartnerEntries& entries, Partner partner) {
  if (auto failure = CheckRequired(entries, partner, 0)) return failure;
  if (entries.LatitudeDirection == NorthSouth::Neither) {
    return AstroCheckFailure{QT_TRANSLATE_NOOP("Checks", "Please Select Direction For The Latitude"), CheckIcon::Critical, partner,
                             std::nullopt, DirectionDefault::North};
  }
  if (entries.LongitudeDirection == EastWest::Neither) {
    return AstroCheckFailure{QT_TRANSLATE_NOOP("Checks", "Please Select Direction For The Longitude"), CheckIcon::Critical, partner,
                             std::nullopt, DirectionDefault::East};
  }
  return std::nullopt;
}

std::optional<AstroCheckFailure> CheckDate(const AstroPartnerEntries& entries, Partner partner) {
  if (const auto message = CheckAstroBirthDate(BirthDateOfEntries(entries), partner)) {
    return AstroCheckFailure{*message, CheckIcon::Information, partner, std::nullopt, std::nullopt};
  }
  return std::nullopt;
}

}  // namespace

BirthMoment BirthDateOfEntries(const AstroPartnerEntries& entries) {
  BirthMoment birth;
  birth.Month = static_cast<std::int16_t>(entries.MonthPosition + 1);
  birth.Day = static_cast<std::int16_t>(entries.DayPosition + 1);
  birth.Year = static_cast<std::int16_t>(AstroFirstYear + entries.YearPosition);
  return birth;
}

std::optional<AstroCheckFailure> CheckAstroEntries(const AstroEntries& entries) {
  if (auto failure = CheckPartner(entries.Male, Partner::Male)) return failure;
  if (auto failure = CheckPartner(entries.Female, Partner::Female)) return failure;
  if (auto failure = CheckDate(entries.Male, Partner::Male)) return failure;
  return CheckDate(entries.Female, Partner::Female);
}

std::optional<AstroCheckFailure> CheckPlaceEntries(const AstroPartnerEntries& entries, Partner partner) {
  return CheckRequired(entries, partner, kFirstPlaceCheck);
}

std::string PlaceSearchText(const AstroPartnerEntries& entries) {
  return entries.City + " " + entries.State + " " + entries.Country + " Latitude Longitude";
}

}  // namespace zentara
