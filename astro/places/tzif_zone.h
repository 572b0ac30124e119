// One time zone as a compiled zone file (TZif, RFC 8536) states it: the
// periods between its listed changes of clock, and the POSIX TZ rule its
// footer gives for the years after the last of them. Only version 2 and later
// files are read (their 64-bit data block; the version 1 block before it is
// passed over), as the system's time-zone database (tzdata) installs them.
#pragma once
#include <date/tz.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zentara::places {

class TzifZone {
 public:
  // The zone a whole TZif file holds; nothing when `bytes` are not one: a
  // magic or version that is not TZif 2 or later, counts the data does not
  // have room for or that RFC 8536 rules out (no local time type, a
  // transition to a type or an abbreviation that does not exist, transitions
  // out of order), leap-second records (kept only in the "right/" files,
  // which count time differently), or no footer.
  static std::optional<TzifZone> Parse(std::string_view bytes);

  // The period in force at a universal time: its bounds, its offset from
  // universal time, its saving as the compiled files keep it (one minute for
  // a period marked as daylight saving, else none) and its abbreviation. A
  // change that alters none of offset, mark and abbreviation (the files list
  // some) does not end a period. The first period reaches back to the
  // calendar's first day (the file's first local time type, RFC 8536's time
  // type 0, before its first transition); the last ends on the calendar's last.
  date::sys_info PeriodAt(date::sys_seconds when) const;

  // The period or periods a local time falls in: one (unique); none, when the
  // clocks skipped it (nonexistent: `first` is the period before the jump,
  // `second` the one after); two, when they repeated it (ambiguous: `first`
  // is the earlier).
  date::local_info LocalPeriods(date::local_seconds when) const;

  // The footer's POSIX TZ rule ("EST5EDT,M3.2.0,M11.1.0"), for the times after
  // the last transition; "" when the file gives none.
  const std::string& ClosingRule() const { return closingRule_; }

 private:
  struct Period {
    date::sys_seconds begin;  // it lasts until the next period begins
    std::chrono::seconds offset;
    bool daylightSaving;
    std::string abbreviation;
  };
  date::sys_info Info(std::size_t period) const;

  std::vector<Period> periods_;  // never empty; the first begins on the calendar's first day
  std::string closingRule_;
};

}  // namespace zentara::places
