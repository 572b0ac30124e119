// Reading and checking the atlas file.
#include <algorithm>
#include <cstring>
#include <fstream>
#include <system_error>

#include "astro/places/atlas.h"

namespace zentara::places {

namespace format = atlas_file;

struct AtlasReader {
  std::ifstream in;
  std::string& error;

  template <typename Record>
  bool ReadArray(std::vector<Record>& records, std::uint32_t count, const char* what) {
    records.resize(count);
    if (count != 0 && !in.read(reinterpret_cast<char*>(records.data()),
                               static_cast<std::streamsize>(sizeof(Record) * count))) {
      error = std::string("the atlas file ends inside its ") + what;
      return false;
    }
    return true;
  }

  // Every reference inside the text and every index inside its table, and the
  // keys in the order the search relies on.
  static bool Consistent(const Atlas& atlas, std::string& error) {
    const std::uint64_t textBytes = atlas.text_.size();
    const auto inText = [&](format::TextRef ref) { return std::uint64_t{ref.offset} + ref.length <= textBytes; };
    const bool zonesFit = std::all_of(atlas.zones_.begin(), atlas.zones_.end(),
                                      [&](const format::ZoneRecord& zone) { return inText(zone.name); });
    const bool countriesFit = std::all_of(atlas.countries_.begin(), atlas.countries_.end(),
                                          [&](const format::CountryRecord& country) {
                                            return inText(country.name) && inText(country.aliases);
                                          });
    const bool regionsFit = std::all_of(atlas.regions_.begin(), atlas.regions_.end(),
                                        [&](const format::RegionRecord& region) {
                                          return region.country < atlas.countries_.size() && inText(region.code) &&
                                                 inText(region.name) && inText(region.aliases);
                                        });
    const bool placesFit = std::all_of(atlas.places_.begin(), atlas.places_.end(),
                                       [&](const format::PlaceRecord& place) {
                                         return inText(place.name) && place.region < atlas.regions_.size() &&
                                                place.country < atlas.countries_.size() &&
                                                place.zone < atlas.zones_.size();
                                       });
    const bool keysFit = std::all_of(atlas.keys_.begin(), atlas.keys_.end(), [&](const format::KeyRecord& key) {
      return inText(key.key) && key.place < atlas.places_.size();
    });
    if (!(zonesFit && countriesFit && regionsFit && placesFit && keysFit)) {
      error = "the atlas file refers outside its own tables";
      return false;
    }
    const bool sorted = std::is_sorted(atlas.keys_.begin(), atlas.keys_.end(),
                                       [&](const format::KeyRecord& a, const format::KeyRecord& b) {
                                         return atlas.Text(a.key) < atlas.Text(b.key);
                                       });
    if (!sorted) error = "the atlas file's search keys are out of order";
    return sorted;
  }
};

std::unique_ptr<const Atlas> Atlas::Load(const std::filesystem::path& file, std::string& error) {
  std::error_code failure;
  const std::uintmax_t fileBytes = std::filesystem::file_size(file, failure);
  AtlasReader reader{std::ifstream(file, std::ios::binary), error};
  if (failure || !reader.in) {
    error = "cannot read the atlas file " + file.string();
    return nullptr;
  }
  format::Header header{};
  if (!reader.in.read(reinterpret_cast<char*>(&header), sizeof header) ||
      std::memcmp(header.magic, format::Magic, sizeof header.magic) != 0) {
    error = file.string() + " is not an atlas file";
    return nullptr;
  }
  if (header.version != format::FormatVersion) {
    error = file.string() + " is an atlas file of another version; rebuild the program";
    return nullptr;
  }
  const std::uint64_t expectedBytes =
      sizeof header + std::uint64_t{header.textBytes} + sizeof(format::ZoneRecord) * std::uint64_t{header.zoneCount} +
      sizeof(format::CountryRecord) * std::uint64_t{header.countryCount} +
      sizeof(format::RegionRecord) * std::uint64_t{header.regionCount} +
      sizeof(format::PlaceRecord) * std::uint64_t{header.placeCount} +
      sizeof(format::KeyRecord) * std::uint64_t{header.keyCount};
  if (expectedBytes != fileBytes) {
    error = "the atlas file " + file.string() + " is truncated or damaged";
    return nullptr;
  }

  std::unique_ptr<Atlas> atlas(new Atlas());
  atlas->text_.resize(header.textBytes);
  if (header.textBytes != 0 && !reader.in.read(atlas->text_.data(), header.textBytes)) {
    error = "the atlas file ends inside its text";
    return nullptr;
  }
  if (!reader.ReadArray(atlas->zones_, header.zoneCount, "time zones") ||
      !reader.ReadArray(atlas->countries_, header.countryCount, "countries") ||
      !reader.ReadArray(atlas->regions_, header.regionCount, "regions") ||
      !reader.ReadArray(atlas->places_, header.placeCount, "places") ||
      !reader.ReadArray(atlas->keys_, header.keyCount, "search keys") ||
      !AtlasReader::Consistent(*atlas, error)) {
    return nullptr;
  }
  return atlas;
}

Place Atlas::PlaceAt(std::uint32_t index) const {
  const format::PlaceRecord& record = places_[index];
  const format::RegionRecord& region = regions_[record.region];
  const format::CountryRecord& country = countries_[record.country];
  Place place;
  place.name = Text(record.name);
  place.regionName = Text(region.name);
  place.regionCode = Text(region.code);
  place.countryName = Text(country.name);
  place.countryCode = std::string_view(country.code, sizeof country.code);
  place.timeZone = Text(zones_[record.zone].name);
  place.population = record.population;
  place.latitude = record.latitude / format::UnitsPerDegree;
  place.longitude = record.longitude / format::UnitsPerDegree;
  return place;
}

std::size_t Atlas::MemoryBytes() const {
  return sizeof(Atlas) + text_.capacity() + zones_.capacity() * sizeof(format::ZoneRecord) +
         countries_.capacity() * sizeof(format::CountryRecord) +
         regions_.capacity() * sizeof(format::RegionRecord) + places_.capacity() * sizeof(format::PlaceRecord) +
         keys_.capacity() * sizeof(format::KeyRecord);
}

}  // namespace zentara::places
