// The offset from universal time that a place's clocks kept at a given local
// date and time, from a time-zone database. An interface, so the command line
// and the tests can use the system's database through the pure library while
// the desktop program may answer from its toolkit's time zones.
#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace zentara::places {

// A date and time on a local clock, Gregorian calendar.
struct LocalDateTime {
  int year = 1970;
  int month = 1;   // 1 to 12
  int day = 1;     // 1 to the month's length
  int hour = 0;    // 0 to 23
  int minute = 0;  // 0 to 59
};

enum class ClockChange {
  None,      // the local time occurred once
  Skipped,   // the clocks jumped over it: it never occurred
  Repeated,  // the clocks were put back over it: it occurred twice
};

struct ZoneOffset {
  // Local clock time minus universal time, in seconds (mean-time offsets of
  // the early 1900s are not whole minutes, so seconds keep them exact).
  int utcOffsetSeconds = 0;
  // The clocks were on summer time: the database marks the period as saving
  // time and its offset is larger than that of the nearest standard period
  // before or after it (Kyiv kept summer time from 1 July 1990 while it moved
  // from Moscow's to Eastern European time), or the period is standard time
  // between two winter times that the database stores as a negative saving
  // (Dublin's summers since 1971, Windhoek's 1994-2017). Those winter times are
  // not daylight saving, nor is Casablanca's +01 since 2018, between weeks at
  // +00 in Ramadan.
  bool daylightSaving = false;
  std::string abbreviation;  // as the database gives it: "IST", "BDST", "+0545"
  ClockChange clockChange = ClockChange::None;
  // The abbreviation of the zone's standard time then: `abbreviation` itself
  // outside daylight saving; in it, that of the period its offset is measured
  // against ("EST" for a summer "EDT", "EET" for Kyiv's 1990 "EEST", "GMT" for
  // Dublin's summer "IST"); empty when the database has none.
  std::string standardAbbreviation;
};

class TimeZoneRules {
 public:
  virtual ~TimeZoneRules() = default;

  // The offset in force in the IANA zone `zone` ("Asia/Kolkata") at the local
  // date and time `local`. Nothing for a zone the database does not know, or a
  // date or time that is not on the calendar or the clock (31 April, 24:00).
  //
  // A skipped or repeated local time is flagged in clockChange and answered
  // with the offset in force just before the change: for a skipped time, the
  // offset the clocks kept when they jumped (02:30 on a spring-forward night in
  // New York is reported as EST, -05:00); for a repeated time, the first pass
  // (01:30 on a fall-back night is reported as EDT, -04:00).
  virtual std::optional<ZoneOffset> OffsetAt(std::string_view zone, const LocalDateTime& local) const = 0;
};

// An offset as "+05:30", "-04:00", "+00:00"; seconds appended where there are
// any ("+05:21:10"); hours past 99 in as many digits as they take.
std::string UtcOffsetText(int utcOffsetSeconds);

// True when `local` is a real date (the Gregorian calendar's month lengths and
// leap years) in the years -32767 to 32767, which the calendar arithmetic
// holds, with an hour of 0 to 23 and a minute of 0 to 59.
bool IsValidLocalDateTime(const LocalDateTime& local);

}  // namespace zentara::places
