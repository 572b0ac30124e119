#include "astro/places/tzdb_time_zone_rules.h"

#include <date/tz.h>

#include <chrono>
#include <fstream>
#include <optional>
#include <iterator>

// ptz.h, the library's reader of POSIX TZ rules, names hh_mm_ss unqualified
// after using both the date and std::chrono namespaces, which C++20 makes
// ambiguous; an alias that only the date namespace holds settles it.
namespace date {
template <class Duration>
using hh_mm_ss_of_date = hh_mm_ss<Duration>;
}
#define hh_mm_ss hh_mm_ss_of_date
#include <date/ptz.h>
#undef hh_mm_ss

namespace zentara::places {

namespace {

using std::chrono::hours;
using std::chrono::minutes;
using std::chrono::seconds;

// A period that lasts past this has no later change listed in the zone file.
const date::sys_seconds EndOfListedChanges = date::sys_days{date::year{2200} / 1 / 1};

// The calendar arithmetic's first and last years: a period reaching beyond them
// has no neighbour on that side worth asking for.
const date::sys_seconds FirstMoment = date::sys_days{date::year::min() / 1 / 1};
const date::sys_seconds LastMoment = date::sys_days{date::year::max() / 1 / 1};

// Winter time lasts a season; Morocco's weeks back to +00 in Ramadan (six at
// most) are shorter and leave the rest of its year standard time.
constexpr auto ShortestWinterTime = date::days{90};

// The database marks a period as saving time with a saving that is not zero:
// the compiled zone files keep only the mark (0 or 1 minute), a POSIX rule the
// real amount, which is negative for a winter time.
bool MarkedSaving(const date::sys_info& period) { return period.save != minutes{0}; }

// The period just before `period` and the one just after it; nothing at either
// end of the record. `periodAt` gives the period in force at a universal time.
template <typename PeriodAt>
std::optional<date::sys_info> PeriodBefore(const date::sys_info& period, PeriodAt periodAt) {
  if (period.begin <= FirstMoment) return std::nullopt;
  const date::sys_info before = periodAt(period.begin - seconds{1});
  if (before.begin >= period.begin) return std::nullopt;
  return before;
}

template <typename PeriodAt>
std::optional<date::sys_info> PeriodAfter(const date::sys_info& period, PeriodAt periodAt) {
  if (period.end >= LastMoment) return std::nullopt;
  const date::sys_info after = periodAt(period.end);
  if (after.begin <= period.begin) return std::nullopt;
  return after;
}

// The nearest period without the saving mark before `period` (or after it,
// with PeriodAfter as `step`); nothing when none is on record nearby.
template <typename PeriodAt, typename Step>
std::optional<date::sys_info> NearestStandard(const date::sys_info& period, PeriodAt periodAt, Step step) {
  std::optional<date::sys_info> next = step(period, periodAt);
  for (int count = 0; count < 64 && next; ++count) {
    if (!MarkedSaving(*next)) return next;
    next = step(*next, periodAt);
  }
  return std::nullopt;
}

// Whether `neighbour` is a winter time stored as a negative saving beside the
// standard-time period `period`: marked as saving, behind it, a season long.
bool WinterTimeBeside(const std::optional<date::sys_info>& neighbour, const date::sys_info& period) {
  return neighbour && MarkedSaving(*neighbour) && neighbour->offset < period.offset &&
         neighbour->end - neighbour->begin >= ShortestWinterTime;
}

struct Saving {
  bool daylightSaving = false;
  std::optional<date::sys_info> standard;  // the period it is ahead of
};

// Whether `period` is daylight saving, and the standard time it is ahead of.
// Saving time is daylight saving when its clocks are ahead of the standard time
// before it or after it (a zone may take a new standard time while it saves, as
// Kyiv did from Moscow's to Eastern European time in 1990); behind both it is a
// winter time. With no standard period on record nearby the mark stands. Standard
// time between two winter times is the summer time (Ireland since 1971, Namibia
// 1994-2017: the database stores their winters as a negative saving).
template <typename PeriodAt>
Saving DaylightSaving(const date::sys_info& period, PeriodAt periodAt) {
  if (MarkedSaving(period)) {
    const auto before = NearestStandard(period, periodAt, PeriodBefore<PeriodAt>);
    if (before && period.offset > before->offset) return {true, before};
    const auto after = NearestStandard(period, periodAt, PeriodAfter<PeriodAt>);
    if (after && period.offset > after->offset) return {true, after};
    return {!before && !after, std::nullopt};
  }
  const auto before = PeriodBefore(period, periodAt);
  if (WinterTimeBeside(before, period) && WinterTimeBeside(PeriodAfter(period, periodAt), period)) {
    return {true, before};
  }
  return {};
}

template <typename PeriodAt>
ZoneOffset Describe(const date::local_info& info, PeriodAt periodAt) {
  ZoneOffset offset;
  offset.utcOffsetSeconds = static_cast<int>(info.first.offset.count());
  const Saving saving = DaylightSaving(info.first, periodAt);
  offset.daylightSaving = saving.daylightSaving;
  offset.abbreviation = info.first.abbrev;
  offset.standardAbbreviation = !saving.daylightSaving ? offset.abbreviation
                                : saving.standard     ? saving.standard->abbrev
                                                      : std::string();
  offset.clockChange = info.result == date::local_info::nonexistent ? ClockChange::Skipped
                       : info.result == date::local_info::ambiguous ? ClockChange::Repeated
                                                                    : ClockChange::None;
  return offset;
}

// The POSIX TZ rule that closes a version 2 or later zone file, such as
// "EST5EDT,M3.2.0,M11.1.0"; "" when there is none.
std::string ClosingRule(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (bytes.size() < 6 || bytes.compare(0, 4, "TZif") != 0 || bytes[4] < '2' || bytes.back() != '\n') return "";
  const std::size_t start = bytes.rfind('\n', bytes.size() - 2);
  if (start == std::string::npos) return "";
  std::string rule = bytes.substr(start + 1, bytes.size() - start - 2);
  for (const char c : rule) {
    if (c < ' ' || c > '~') return "";
  }
  return rule;
}

}  // namespace

TzdbTimeZoneRules::TzdbTimeZoneRules(std::filesystem::path zoneFolder) : zoneFolder_(std::move(zoneFolder)) {}

std::string TzdbTimeZoneRules::FutureRule(const std::string& zone) const {
  const std::lock_guard<std::mutex> hold(futureRulesLock_);
  const auto known = futureRules_.find(zone);
  if (known != futureRules_.end()) return known->second;
  return futureRules_[zone] = ClosingRule(zoneFolder_ / zone);
}

std::optional<ZoneOffset> TzdbTimeZoneRules::OffsetAt(std::string_view zone, const LocalDateTime& local) const {
  if (!IsValidLocalDateTime(local)) return std::nullopt;
  const date::time_zone* rules = nullptr;
  try {
    rules = date::locate_zone(std::string(zone));
  } catch (const std::exception&) {
    return std::nullopt;  // not in the database, or no database at all
  }
  const date::local_seconds when = date::local_days{date::year{local.year} / local.month / local.day} +
                                   hours{local.hour} + minutes{local.minute};
  const date::local_info info = rules->get_info(when);

  // Past the last change the file lists, its closing rule decides (daylight
  // saving still changes every year after 2037 where the rule says so).
  if (info.result == date::local_info::unique && info.first.end >= EndOfListedChanges) {
    const std::string rule = FutureRule(rules->name());
    if (rule.find(',') != std::string::npos) {  // a rule with daylight saving
      try {
        const Posix::time_zone future{rule};
        return Describe(future.get_info(when), [&](date::sys_seconds t) { return future.get_info(t); });
      } catch (const std::exception&) {
        // a rule this reader cannot parse: the last listed period stands
      }
    }
  }
  return Describe(info, [&](date::sys_seconds t) { return rules->get_info(t); });
}

}  // namespace zentara::places
