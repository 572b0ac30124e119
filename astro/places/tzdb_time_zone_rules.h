// TimeZoneRules answered from the system's time-zone database (tzdata, the
// compiled zone files under /usr/share/zoneinfo), read with Howard Hinnant's
// date library.
#pragma once
#include <filesystem>
#include <map>
#include <mutex>
#include <string>

#include "astro/places/time_zone_rules.h"

namespace zentara::places {

class TzdbTimeZoneRules final : public TimeZoneRules {
 public:
  // `zoneFolder` holds the compiled zone files. The library reads the same
  // database; the folder is read only for the rule a zone file states for the
  // years after its last listed change (the files list changes up to 2037). A
  // rule the library's reader cannot parse (Greenland's, whose changes fall at
  // negative hours) leaves the last listed period in force after that.
  explicit TzdbTimeZoneRules(std::filesystem::path zoneFolder = "/usr/share/zoneinfo");

  std::optional<ZoneOffset> OffsetAt(std::string_view zone, const LocalDateTime& local) const override;

 private:
  std::string FutureRule(const std::string& zone) const;  // the zone file's closing rule, or ""

  std::filesystem::path zoneFolder_;
  mutable std::mutex futureRulesLock_;
  mutable std::map<std::string, std::string, std::less<>> futureRules_;
};

}  // namespace zentara::places
