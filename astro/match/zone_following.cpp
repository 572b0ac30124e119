#include "astro/match/zone_following.h"

#include <cstdlib>

namespace zentara {
namespace {

// True for an abbreviation that only writes the offset ("+0545", "-03"), as
// the database gives zones without a name of their own.
bool OffsetDigitsOnly(std::string_view abbreviation) {
  return abbreviation.empty() || abbreviation.front() == '+' || abbreviation.front() == '-';
}

std::string TwoDigits(int value) { return (value < 10 ? "0" : "") + std::to_string(value); }

}  // namespace

ZoneAtBirth FollowZone(const FollowedZone& followed, const places::TimeZoneRules& rules,
                       const places::LocalDateTime& birth) {
  ZoneAtBirth atBirth;
  atBirth.offset = rules.OffsetAt(followed.zone, birth);
  if (atBirth.offset) atBirth.entry = places::SuggestZoneEntry(*atBirth.offset, followed.engineEast);
  return atBirth;
}

std::string UtcOffsetShortText(int utcOffsetSeconds) {
  const int size = std::abs(utcOffsetSeconds);
  std::string text = std::string("UTC") + (utcOffsetSeconds < 0 ? "\u2212" : "+") + std::to_string(size / 3600);
  if (size % 3600 != 0) text += ":" + TwoDigits(size % 3600 / 60);
  if (size % 60 != 0) text += ":" + TwoDigits(size % 60);
  return text;
}

std::string ZoneInForceText(std::string_view zone, const ZoneAtBirth& atBirth, const places::LocalDateTime& birth) {
  const std::string name(zone);
  if (!atBirth.offset) {
    return places::IsValidLocalDateTime(birth) ? name + " is not in the time-zone database"
                                               : name + ": the birth date is not on the calendar";
  }
  const places::ZoneOffset& offset = *atBirth.offset;
  std::string text = name + ", ";
  if (!OffsetDigitsOnly(offset.abbreviation)) text += offset.abbreviation + ", ";
  text += UtcOffsetShortText(offset.utcOffsetSeconds) + " at this birth";
  if (!atBirth.entry) {
    text += ": no time zone of the list gives it";
  }
  return text;
}

std::string ZoneNotFollowedText(std::string_view zone, FollowingEnded why) {
  return std::string(zone) + " is no longer followed: " +
         (why == FollowingEnded::ZoneSetByHand ? "the time zone was set by hand" : "the place was edited");
}

}  // namespace zentara
