// Mapping the atlas file and the checks made on it: the cheap ones at every
// opening, and the whole walk the generator makes of each file it writes.
#include <zlib.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <string>
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

// The sections with the size of one of their records (a byte, for the text).
std::array<std::pair<format::Section, std::uint64_t>, 7> SectionsOf(const format::Header& header) {
  return {{{header.text, 1},
           {header.zones, sizeof(format::ZoneRecord)},
           {header.countries, sizeof(format::CountryRecord)},
           {header.regions, sizeof(format::RegionRecord)},
           {header.places, sizeof(format::PlaceRecord)},
           {header.keys, sizeof(format::KeyRecord)},
           {header.nearNames, sizeof(format::TextRef)}}};
}

// What is wrong with where the header puts the sections: each aligned and
// right after the one before, the last ending with the file; "" when nothing.
std::string LayoutFault(const format::Header& header, std::uint64_t fileBytes) {
  std::uint64_t end = sizeof header;
  for (const auto& [section, recordBytes] : SectionsOf(header)) {
    const std::uint64_t start = (end + format::SectionAlignment - 1) / format::SectionAlignment * format::SectionAlignment;
    if (section.offset != start) return "is truncated or damaged (a table out of place)";
    end = start + recordBytes * section.count;
  }
  return end == fileBytes ? "" : "is truncated or damaged (its size is not what its tables need)";
}

template <typename Record>
std::span<const Record> Records(std::string_view bytes, format::Section section) {
  // The mapping starts on a page and each section on a multiple of 8 bytes,
  // so every record lies at its type's alignment.
  return {reinterpret_cast<const Record*>(bytes.data() + section.offset), section.count};
}

}  // namespace

std::uint32_t format::Checksum(std::string_view bytes) {
  Header header;
  std::memcpy(&header, bytes.data(), sizeof header);
  header.checksum = 0;
  uLong sum = crc32(0L, Z_NULL, 0);
  sum = crc32(sum, reinterpret_cast<const Bytef*>(&header), sizeof header);
  // Zones, countries and regions lie one after the other (with the padding between them).
  const std::size_t end = header.regions.offset + sizeof(RegionRecord) * header.regions.count;
  sum = crc32_z(sum, reinterpret_cast<const Bytef*>(bytes.data() + header.zones.offset), end - header.zones.offset);
  return static_cast<std::uint32_t>(sum);
}

std::unique_ptr<const Atlas> Atlas::Load(const std::filesystem::path& file, std::string& error) {
  const std::string name = file.string();
  if (const std::string why = WhyNotARegularFile(file); !why.empty()) {
    error = "cannot read the atlas file " + name + ": " + why;
    return nullptr;
  }
  int failure = 0;
  std::unique_ptr<Atlas> atlas(new Atlas());
  atlas->file_ = system::MappedFile::Open(name, failure);
  if (!atlas->file_) {
    error = "cannot read the atlas file " + name + ": it cannot be opened or read";
    return nullptr;
  }
  const std::string_view bytes = atlas->file_->Bytes();
  format::Header header{};
  if (bytes.size() < sizeof header || std::memcmp(bytes.data(), format::Magic, sizeof header.magic) != 0) {
    error = name + " is not an atlas file";
    return nullptr;
  }
  std::memcpy(&header, bytes.data(), sizeof header);
  if (header.version != format::FormatVersion) {
    error = name + " is an atlas file of another version; rebuild the program";
    return nullptr;
  }
  std::string problem = LayoutFault(header, bytes.size());
  if (problem.empty() && format::Checksum(bytes) != header.checksum) {
    problem = "is damaged (its checksum does not match)";
  }
  if (!problem.empty()) {
    error = "the atlas file " + name + " " + problem;
    return nullptr;
  }
  atlas->text_ = bytes.substr(header.text.offset, header.text.count);
  atlas->zones_ = Records<format::ZoneRecord>(bytes, header.zones);
  atlas->countries_ = Records<format::CountryRecord>(bytes, header.countries);
  atlas->regions_ = Records<format::RegionRecord>(bytes, header.regions);
  atlas->places_ = Records<format::PlaceRecord>(bytes, header.places);
  atlas->keys_ = Records<format::KeyRecord>(bytes, header.keys);
  atlas->nearNames_ = Records<format::TextRef>(bytes, header.nearNames);
  return atlas;
}

std::string Atlas::FindFault() const {
  const auto inText = [&](format::TextRef ref) { return std::uint64_t{ref.offset} + ref.length <= text_.size(); };
  const bool zonesFit =
      std::all_of(zones_.begin(), zones_.end(), [&](const format::ZoneRecord& zone) { return inText(zone.name); });
  const bool countriesFit = std::all_of(countries_.begin(), countries_.end(), [&](const format::CountryRecord& c) {
    return inText(c.name) && inText(c.aliases);
  });
  const bool regionsFit = std::all_of(regions_.begin(), regions_.end(), [&](const format::RegionRecord& region) {
    return region.country < countries_.size() && inText(region.code) && inText(region.name) &&
           inText(region.aliases);
  });
  const bool placesFit = std::all_of(places_.begin(), places_.end(), [&](const format::PlaceRecord& place) {
    return inText(place.name) && place.region < regions_.size() && place.country < countries_.size() &&
           place.zone < zones_.size();
  });
  const bool keysFit = std::all_of(keys_.begin(), keys_.end(), [&](const format::KeyRecord& key) {
    return inText(key.key) && key.place < places_.size();
  });
  const bool nearNamesFit = std::all_of(nearNames_.begin(), nearNames_.end(), inText);
  if (!(zonesFit && countriesFit && regionsFit && placesFit && keysFit && nearNamesFit)) {
    return "refers outside its own tables";
  }
  if (std::any_of(nearNames_.begin(), nearNames_.end(),
                  [](format::TextRef name) { return name.length > format::LongestNearName; })) {
    return "has a near name longer than " + std::to_string(format::LongestNearName) + " bytes";
  }
  const bool sorted = std::is_sorted(keys_.begin(), keys_.end(), [&](const format::KeyRecord& a, const format::KeyRecord& b) {
    return Text(a.key) < Text(b.key);
  });
  // Each near name after the one before it, so none is there twice.
  const bool nearNamesSorted =
      std::adjacent_find(nearNames_.begin(), nearNames_.end(), [&](format::TextRef a, format::TextRef b) {
        return Text(a) >= Text(b);
      }) == nearNames_.end();
  return sorted && nearNamesSorted ? "" : "has its search keys or near names out of order";
}

Place Atlas::PlaceAt(std::uint32_t index) const {
  const format::PlaceRecord& record = At(places_, index);
  const format::RegionRecord& region = At(regions_, record.region);
  const format::CountryRecord& country = At(countries_, record.country);
  Place place;
  place.name = Text(record.name);
  place.regionName = Text(region.name);
  place.regionCode = Text(region.code);
  place.countryName = Text(country.name);
  place.countryCode = std::string_view(country.code, sizeof country.code);
  place.timeZone = Text(At(zones_, record.zone).name);
  place.population = record.population;
  place.latitude = record.latitude / format::UnitsPerDegree;
  place.longitude = record.longitude / format::UnitsPerDegree;
  return place;
}

}  // namespace zentara::places
