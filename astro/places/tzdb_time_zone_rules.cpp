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

// The nearest period without saving at or before `period`; nothing when none is
// on record. `periodAt` gives the period in force at a universal time.
template <typename PeriodAt>
std::optional<date::sys_info> StandardPeriod(const date::sys_info& period, PeriodAt periodAt) {
  date::sys_info earlier = period;
  for (int step = 0; step < 64; ++step) {
    if (earlier.save == minutes{0}) return earlier;
    const date::sys_info before = periodAt(earlier.begin - seconds{1});
    if (before.begin >= earlier.begin) break;  // the first period on record
    earlier = before;
  }
  return std::nullopt;
}

template <typename PeriodAt>
ZoneOffset Describe(const date::local_info& info, PeriodAt periodAt) {
  ZoneOffset offset;
  offset.utcOffsetSeconds = static_cast<int>(info.first.offset.count());
  // Saving time counts as daylight saving when its clocks are ahead of the
  // standard time before it; with no standard period on record the database's
  // mark stands.
  const auto standard = StandardPeriod(info.first, periodAt);
  offset.daylightSaving = info.first.save != minutes{0} && (!standard || info.first.offset > standard->offset);
  offset.abbreviation = info.first.abbrev;
  offset.standardAbbreviation = !offset.daylightSaving ? offset.abbreviation : standard ? standard->abbrev : std::string();
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
