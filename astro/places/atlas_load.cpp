// Reading and checking the atlas file.
#include <algorithm>
#include <cstring>
#include <fstream>
#include <system_error>

#include "astro/places/atlas.h"

namespace zentara::places {

namespace format = atlas_file;

namespace {

// Why `file` cannot be read as an atlas, or nothing when it is a regular file.
// Only a regular file is opened: opening a pipe waits for a writer, for good.
std::string WhyNotARegularFile(const std::filesystem::path& file) {
  std::error_code failure;
  const std::filesystem::file_status status = std::filesystem::status(file, failure);
  if (!std::filesystem::exists(status)) return "no such file";
  if (std::filesystem::is_directory(status)) return "it is a folder";
  if (!std::filesystem::is_regular_file(status)) return "it is not a regular file";
  return "";
}

}  // namespace

struct AtlasReader {
  std::ifstream in;
  std::uint64_t fileBytes;
  std::string problem;  // what is wrong with the file, once something is

  // The section's records (or bytes), read from where the header says it lies.
  template <typename Records>
  bool ReadSection(Records& records, format::Section section, const char* what) {
    using Record = typename Records::value_type;
    records.resize(section.count);
    if (section.count != 0 &&
        !(in.seekg(section.offset) && in.read(reinterpret_cast<char*>(records.data()),
                                              static_cast<std::streamsize>(sizeof(Record) * section.count)))) {
      problem = std::string("ends inside its ") + what;
      return false;
    }
    return true;
  }

  // The sections in the header's order, each aligned and right after the one
  // before, the last ending with the file.
  bool SectionsFit(const format::Header& header) {
    const std::pair<format::Section, std::uint64_t> sections[] = {
        {header.text, 1},
        {header.zones, sizeof(format::ZoneRecord)},
        {header.countries, sizeof(format::CountryRecord)},
        {header.regions, sizeof(format::RegionRecord)},
        {header.places, sizeof(format::PlaceRecord)},
        {header.keys, sizeof(format::KeyRecord)},
        {header.nearNames, sizeof(format::TextRef)},
    };
    std::uint64_t end = sizeof header;
    for (const auto& [section, recordBytes] : sections) {
      const std::uint64_t start = (end + format::SectionAlignment - 1) / format::SectionAlignment * format::SectionAlignment;
      if (section.offset != start) {
        problem = "is truncated or damaged (a table out of place)";
        return false;
      }
      end = start + recordBytes * section.count;
    }
    if (end != fileBytes) problem = "is truncated or damaged (its size is not what its tables need)";
    return end == fileBytes;
  }

  // Every reference inside the text and every index inside its table, and the
  // keys and near names in the order the searches rely on.
  bool Consistent(const Atlas& atlas) {
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
    const bool nearNamesFit = std::all_of(atlas.nearNames_.begin(), atlas.nearNames_.end(), inText);
    if (!(zonesFit && countriesFit && regionsFit && placesFit && keysFit && nearNamesFit)) {
      problem = "refers outside its own tables";
      return false;
    }
    const bool sorted = std::is_sorted(atlas.keys_.begin(), atlas.keys_.end(),
                                       [&](const format::KeyRecord& a, const format::KeyRecord& b) {
                                         return atlas.Text(a.key) < atlas.Text(b.key);
                                       });
    // Each near name after the one before it, so none is there twice.
    const bool nearNamesSorted = std::adjacent_find(atlas.nearNames_.begin(), atlas.nearNames_.end(),
                                                    [&](format::TextRef a, format::TextRef b) {
                                                      return atlas.Text(a) >= atlas.Text(b);
                                                    }) == atlas.nearNames_.end();
    if (!sorted || !nearNamesSorted) problem = "has its search keys or near names out of order";
    return sorted && nearNamesSorted;
  }
};

std::unique_ptr<const Atlas> Atlas::Load(const std::filesystem::path& file, std::string& error) {
  const std::string name = file.string();
  if (const std::string why = WhyNotARegularFile(file); !why.empty()) {
    error = "cannot read the atlas file " + name + ": " + why;
    return nullptr;
  }
  std::error_code failure;
  const std::uintmax_t fileBytes = std::filesystem::file_size(file, failure);
  AtlasReader reader{std::ifstream(file, std::ios::binary), fileBytes, ""};
  if (failure || !reader.in) {
    error = "cannot read the atlas file " + name + ": it cannot be opened or read";
    return nullptr;
  }
  format::Header header{};
  if (!reader.in.read(reinterpret_cast<char*>(&header), sizeof header) ||
      std::memcmp(header.magic, format::Magic, sizeof header.magic) != 0) {
    error = name + " is not an atlas file";
    return nullptr;
  }
  if (header.version != format::FormatVersion) {
    error = name + " is an atlas file of another version; rebuild the program";
    return nullptr;
  }
  std::unique_ptr<Atlas> atlas(new Atlas());
  const bool read = reader.SectionsFit(header) && reader.ReadSection(atlas->text_, header.text, "text") &&
                    reader.ReadSection(atlas->zones_, header.zones, "time zones") &&
                    reader.ReadSection(atlas->countries_, header.countries, "countries") &&
                    reader.ReadSection(atlas->regions_, header.regions, "regions") &&
                    reader.ReadSection(atlas->places_, header.places, "places") &&
                    reader.ReadSection(atlas->keys_, header.keys, "search keys") &&
                    reader.ReadSection(atlas->nearNames_, header.nearNames, "near names");
  if (!read || !reader.Consistent(*atlas)) {
    error = "the atlas file " + name + " " + reader.problem;
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
         keys_.capacity() * sizeof(format::KeyRecord) + nearNames_.capacity() * sizeof(format::TextRef);
}

}  // namespace zentara::places
