// TimeZoneRules answered from the system's time-zone database (tzdata, the
// compiled zone files under /usr/share/zoneinfo): each zone's file is read
// when a result first needs that zone (tzif_zone.h), and kept.
#pragma once
#include <filesystem>
#include <map>
#include <memory>
#include <mutex>
#include <string>

#include "astro/places/zone_offsets.h"
#include "astro/places/tzif_zone.h"

namespace zentara::places {

class TzdbTimeZoneRules final : public TimeZoneRules {
 public:
  // `zoneFolder` holds the compiled zone files, one a zone, named as the zone
  // is ("Asia/Kolkata"). A zone is one of those files that is a TZif file of
  // version 2 or later, under a name of the database's own: no part of it
  // starting with "." or "posix" (POSIX-style copies), nor "right" (files
  // counting leap seconds), "Factory", or the folder's tables. For the years
  // after its last listed change (the files list changes up to 2037) a zone
  // file's closing rule decides; one that POSIX TZ rules as Howard Hinnant's
  // date library reads them cannot parse (Greenland's, whose changes fall at
  // negative hours) leaves the last listed period in force.
  explicit TzdbTimeZoneRules(std::filesystem::path zoneFolder = "/usr/share/zoneinfo");

  std::optional<ZoneOffset> OffsetAt(std::string_view zone, const LocalDateTime& local) const override;

 private:
  // The zone named `name`, read on its first call; null when there is none.
  std::shared_ptr<const TzifZone> Zone(std::string_view name) const;

  std::filesystem::path zoneFolder_;
  mutable std::mutex zonesLock_;
  // The zones read so far (a name that is none is not kept: the folder holds
  // few zones, and anyone may ask for any number of other names).
  mutable std::map<std::string, std::shared_ptr<const TzifZone>, std::less<>> zones_;
};

}  // namespace zentara::places
