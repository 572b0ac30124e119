// Reading a TZif file as RFC 8536 lays it out: a header of counts, a version 1
// data block with 32-bit times, then (version 2 and later) the same header
// again and a data block with 64-bit times, then a footer holding a POSIX TZ
// rule between two newlines. Every number is big-endian.
#include "astro/places/tzif_zone.h"

#include <algorithm>
#include <cstdint>

namespace zentara::places {

namespace {

using std::chrono::seconds;

// The calendar arithmetic's first and last days: transitions before the first
// count from it (the files start with one at -2^59, before the Big Bang); one
// after the last is refused.
const date::sys_seconds FirstDay = date::sys_days{date::year::min() / 1 / 1};
const date::sys_seconds LastDay = date::sys_days{date::year::max() / 12 / 31};

// RFC 8536 section 3.2: offsets from universal time SHOULD lie in this range
// (within a day either way); -2^31 MUST NOT be one.
constexpr std::int64_t LeastOffset = -89999;
constexpr std::int64_t GreatestOffset = 93599;

// The file's bytes read front to back; each read past the end fails, and
// leaves `failed` set.
struct Reader {
  std::string_view bytes;
  bool failed = false;

  std::string_view Take(std::uint64_t count) {
    if (failed || count > bytes.size()) {
      failed = true;
      return {};
    }
    const std::string_view taken = bytes.substr(0, count);
    bytes.remove_prefix(count);
    return taken;
  }
  std::int64_t BigEndian(std::size_t width) {
    const std::string_view field = Take(width);
    if (failed) return 0;
    std::uint64_t value = 0;
    for (const char byte : field) value = value << 8 | static_cast<unsigned char>(byte);
    if (width < 8 && (value >> (width * 8 - 1)) != 0) value |= ~std::uint64_t{0} << (width * 8);  // sign
    return static_cast<std::int64_t>(value);
  }
};

struct Counts {
  std::int64_t isUt, isStd, leap, time, type, chars;
};

// The header (section 3.1): magic, version, 15 unused bytes, the six counts.
std::optional<Counts> ReadHeader(Reader& in) {
  const std::string_view magic = in.Take(4);
  const std::string_view version = in.Take(1);
  in.Take(15);
  Counts counts{};
  for (std::int64_t* count : {&counts.isUt, &counts.isStd, &counts.leap, &counts.time, &counts.type, &counts.chars}) {
    *count = static_cast<std::uint32_t>(in.BigEndian(4));
  }
  if (in.failed || magic != "TZif" || version[0] < '2') return std::nullopt;
  return counts;
}

// The bytes of the data block the counts describe, with times of `timeBytes` each.
std::uint64_t DataBytes(const Counts& c, std::uint64_t timeBytes) {
  return static_cast<std::uint64_t>(c.time) * (timeBytes + 1) + static_cast<std::uint64_t>(c.type) * 6 +
         static_cast<std::uint64_t>(c.chars) + static_cast<std::uint64_t>(c.leap) * (timeBytes + 4) +
         static_cast<std::uint64_t>(c.isStd) + static_cast<std::uint64_t>(c.isUt);
}

}  // namespace

std::optional<TzifZone> TzifZone::Parse(std::string_view bytes) {
  Reader in{bytes};
  const std::optional<Counts> first = ReadHeader(in);
  if (!first) return std::nullopt;
  in.Take(DataBytes(*first, 4));
  const std::optional<Counts> counts = ReadHeader(in);
  if (!counts || in.bytes.size() < DataBytes(*counts, 8)) return std::nullopt;
  const Counts& c = *counts;
  if (c.type == 0 || c.chars == 0 || (c.isStd != 0 && c.isStd != c.type) || (c.isUt != 0 && c.isUt != c.type) ||
      c.leap != 0) {
    return std::nullopt;
  }

  std::vector<std::int64_t> times(static_cast<std::size_t>(c.time));
  for (std::int64_t& time : times) time = in.BigEndian(8);
  const std::string_view typeIndexes = in.Take(static_cast<std::uint64_t>(c.time));
  struct Type {
    std::int64_t offset;
    bool daylightSaving;
    std::string abbreviation;
  };
  std::vector<Type> types;
  std::vector<std::int64_t> abbreviationIndexes;
  for (std::int64_t i = 0; i < c.type; ++i) {
    const std::int64_t offset = in.BigEndian(4);
    const std::int64_t isDst = in.BigEndian(1);
    abbreviationIndexes.push_back(static_cast<std::uint8_t>(in.BigEndian(1)));
    if (offset < LeastOffset || offset > GreatestOffset || (isDst != 0 && isDst != 1)) return std::nullopt;
    types.push_back({offset, isDst == 1, ""});
  }
  // Each abbreviation runs from its index to the next NUL, inside the characters.
  const std::string_view characters = in.Take(static_cast<std::uint64_t>(c.chars));
  for (std::size_t i = 0; i < types.size(); ++i) {
    const auto start = static_cast<std::size_t>(abbreviationIndexes[i]);
    const std::size_t end = start < characters.size() ? characters.find('\0', start) : std::string_view::npos;
    if (end == std::string_view::npos) return std::nullopt;
    types[i].abbreviation = characters.substr(start, end - start);
  }
  in.Take(static_cast<std::uint64_t>(c.isStd + c.isUt));

  // The footer: a newline, the rule (possibly empty), a newline.
  const std::string_view footer = in.bytes;
  const std::size_t ruleEnd = footer.find('\n', 1);
  if (in.failed || footer.empty() || footer[0] != '\n' || ruleEnd == std::string_view::npos) return std::nullopt;

  TzifZone zone;
  zone.closingRule_ = footer.substr(1, ruleEnd - 1);
  const Type& initial = types[0];  // in force before the first transition (section 3.2)
  zone.periods_.push_back({FirstDay, seconds{initial.offset}, initial.daylightSaving, initial.abbreviation});
  for (std::size_t i = 0; i < times.size(); ++i) {
    const auto type = static_cast<std::size_t>(static_cast<unsigned char>(typeIndexes[i]));
    if (type >= types.size() || (i > 0 && times[i] <= times[i - 1]) || times[i] > LastDay.time_since_epoch().count()) {
      return std::nullopt;
    }
    const Period period{std::max(date::sys_seconds{seconds{times[i]}}, FirstDay), seconds{types[type].offset},
                        types[type].daylightSaving, types[type].abbreviation};
    if (period.begin == FirstDay) {
      zone.periods_.back() = period;  // in force from the first day on
      continue;
    }
    const Period& last = zone.periods_.back();
    if (period.offset != last.offset || period.daylightSaving != last.daylightSaving ||
        period.abbreviation != last.abbreviation) {
      zone.periods_.push_back(period);
    }
  }
  return zone;
}

date::sys_info TzifZone::Info(std::size_t period) const {
  const Period& p = periods_[period];
  date::sys_info info;
  info.begin = p.begin;
  info.end = period + 1 < periods_.size() ? periods_[period + 1].begin : LastDay;
  info.offset = p.offset;
  info.save = std::chrono::minutes{p.daylightSaving ? 1 : 0};
  info.abbrev = p.abbreviation;
  return info;
}

date::sys_info TzifZone::PeriodAt(date::sys_seconds when) const {
  // The last period begun by `when`; the first for any earlier time.
  const auto after = std::upper_bound(periods_.begin() + 1, periods_.end(), when,
                                      [](date::sys_seconds t, const Period& p) { return t < p.begin; });
  return Info(static_cast<std::size_t>(after - periods_.begin()) - 1);
}

date::local_info TzifZone::LocalPeriods(date::local_seconds when) const {
  const auto universal = [&](const date::sys_info& period) {
    return date::sys_seconds{when.time_since_epoch() - period.offset};
  };
  // The last period begun on its own clock by `when`; the first for any
  // earlier time. Its clock may not have reached `when` yet (a skipped time),
  // or the one before may still be there (a repeated time, within a day).
  const auto after = std::upper_bound(periods_.begin() + 1, periods_.end(), when,
                                      [](date::local_seconds t, const Period& p) {
                                        return t.time_since_epoch() < p.begin.time_since_epoch() + p.offset;
                                      });
  const auto period = static_cast<std::size_t>(after - periods_.begin()) - 1;
  date::local_info info{};
  info.result = date::local_info::unique;
  info.first = Info(period);
  if (universal(info.first) < info.first.begin + date::days{1} && period > 0) {
    const date::sys_info before = Info(period - 1);
    if (universal(before) < before.end) {
      info.result = date::local_info::ambiguous;
      info.second = std::move(info.first);
      info.first = before;
    }
  } else if (universal(info.first) >= info.first.end && period + 1 < periods_.size()) {
    const date::sys_info next = Info(period + 1);
    if (universal(next) < next.begin) {
      info.result = date::local_info::nonexistent;
      info.second = next;
    }
  }
  return info;
}

}  // namespace zentara::places
