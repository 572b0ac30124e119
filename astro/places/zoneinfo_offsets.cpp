#include "astro/places/zoneinfo_offsets.h"

#include <date/tz.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <optional>

#include "common/file_bytes.h"

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

// The names of the zone folder's entries that are no zones of the database:
// POSIX-style copies, the files counting leap seconds, the placeholder zone
// and the tables. A zone's name has none of them as a part.
constexpr std::array<std::string_view, 7> NotZones = {"right",   "Factory",      "iso3166.tab",      "zone.tab",
                                                     "+VERSION", "zone1970.tab", "leap-seconds.list"};

bool IsZoneName(std::string_view name) {
  if (name.empty() || name.front() == '/') return false;
  while (true) {
    const std::size_t end = std::min(name.find('/'), name.size());
    const std::string_view part = name.substr(0, end);
    // ".." and "." among them: a name never leads out of the folder.
    if (part.empty() || part.front() == '.' || part.starts_with("posix") ||
        std::find(NotZones.begin(), NotZones.end(), part) != NotZones.end()) {
      return false;
    }
    if (end == name.size()) return true;
    name.remove_prefix(end + 1);
  }
}

// Zone files are a few kilobytes; a file past this is no zone.
constexpr std::size_t LargestZoneFile = 1 << 20;

// The zone's closing rule when it is one with daylight saving in plain ASCII,
// such as "EST5EDT,M3.2.0,M11.1.0"; "" otherwise.
std::string DaylightSavingRule(const TzifZone& zone) {
  const std::string& rule = zone.ClosingRule();
  const bool plain = std::all_of(rule.begin(), rule.end(), [](char c) { return c >= ' ' && c <= '~'; });
  return plain && rule.find(',') != std::string::npos ? rule : "";
}

}  // namespace

TzdbTimeZoneRules::TzdbTimeZoneRules(std::filesystem::path zoneFolder) : zoneFolder_(std::move(zoneFolder)) {}

std::shared_ptr<const TzifZone> TzdbTimeZoneRules::Zone(std::string_view name) const {
  if (!IsZoneName(name)) return nullptr;
  const std::lock_guard<std::mutex> hold(zonesLock_);
  if (const auto known = zones_.find(name); known != zones_.end()) return known->second;
  const std::optional<std::string> bytes = ReadFilePrefix((zoneFolder_ / name).string(), LargestZoneFile);
  std::optional<TzifZone> zone = bytes ? TzifZone::Parse(*bytes) : std::nullopt;
  if (!zone) return nullptr;
  return zones_[std::string(name)] = std::make_shared<const TzifZone>(std::move(*zone));
}

std::optional<ZoneOffset> TzdbTimeZoneRules::OffsetAt(std::string_view zone, const LocalDateTime& local) const {
  if (!IsValidLocalDateTime(local)) return std::nullopt;
  const std::shared_ptr<const TzifZone> rules = Zone(zone);
  if (!rules) return std::nullopt;  // not in the database, or no database at all
  const date::local_seconds when = date::local_days{date::year{local.year} / local.month / local.day} +
                                   hours{local.hour} + minutes{local.minute};
  const date::local_info info = rules->LocalPeriods(when);

  // Past the last change the file lists, its closing rule decides (daylight
  // saving still changes every year after 2037 where the rule says so).
  if (info.result == date::local_info::unique && info.first.end >= EndOfListedChanges) {
    if (const std::string rule = DaylightSavingRule(*rules); !rule.empty()) {
      try {
        const Posix::time_zone future{rule};
        return Describe(future.get_info(when), [&](date::sys_seconds t) { return future.get_info(t); });
      } catch (const std::exception&) {
        // a rule this reader cannot parse: the last listed period stands
      }
    }
  }
  return Describe(info, [&](date::sys_seconds t) { return rules->PeriodAt(t); });
}

}  // namespace zentara::places
