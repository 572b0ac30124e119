// A missing or damaged atlas file is refused with a reason, never read past.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include <sys/stat.h>
#include <unistd.h>

#include "astro/places/atlas.h"

namespace {

using zentara::places::Atlas;

std::string RealAtlasBytes() {
  std::ifstream in(ZENTARA_TEST_ATLAS, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// `bytes` with those at `offset` replaced by the bytes of `value`.
template <typename Value>
std::string Patched(std::string bytes, std::uint64_t offset, const Value& value) {
  bytes.replace(offset, sizeof value, reinterpret_cast<const char*>(&value), sizeof value);
  return bytes;
}

// A path in the temporary folder that is this process's own: the tests run in
// parallel, and an atlas file rewritten while another test has it mapped would
// end that test with SIGBUS.
std::filesystem::path OwnTemporaryPath(const std::string& name) {
  return std::filesystem::temp_directory_path() / (name + "-" + std::to_string(::getpid()));
}

// Writes `bytes` as the atlas file the tests damage.
std::filesystem::path DamagedFile(const std::string& bytes) {
  const auto file = OwnTemporaryPath("zentara_damaged_atlas");
  std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
  return file;
}

// What opening checks: the header, the layout against the file's size, the
// checksum of the header and the small tables.
TEST(AtlasFile, DamagedFilesAreRefused) {
  namespace format = zentara::places::atlas_file;
  const std::string real = RealAtlasBytes();
  ASSERT_GT(real.size(), 1000u);
  format::Header header;
  std::memcpy(&header, real.data(), sizeof header);
  format::Header zonesMoved = header;
  zonesMoved.zones.offset += format::SectionAlignment;
  format::Header keysCountFlipped = header;
  keysCountFlipped.keys.count ^= 0x10;
  const std::uint64_t lastRegion = header.regions.offset + sizeof(format::RegionRecord) * (header.regions.count - 1);
  std::string regionFlipped = real;
  regionFlipped[lastRegion + offsetof(format::RegionRecord, country)] ^= 0x01;

  const struct {
    const char* what;
    std::string bytes;
    const char* reason;
  } cases[] = {
      {"empty", "", "is not an atlas file"},
      {"text", "London\tGB\n", "is not an atlas file"},
      {"truncated", real.substr(0, real.size() / 2), "is truncated or damaged"},
      {"one byte more", real + "x", "is truncated or damaged"},
      {"another version", Patched(real, offsetof(format::Header, version), std::uint32_t{99}), "of another version"},
      {"a table out of place", Patched(real, 0, zonesMoved), "a table out of place"},
      {"a flipped byte in the index of tables", Patched(real, 0, keysCountFlipped), "is truncated or damaged"},
      {"a flipped byte in the regions", regionFlipped, "its checksum does not match"},
      {"another checksum", Patched(real, offsetof(format::Header, checksum), header.checksum + 1),
       "its checksum does not match"},
  };
  for (const auto& c : cases) {
    const auto file = DamagedFile(c.bytes);
    std::string error;
    EXPECT_EQ(Atlas::Load(file, error), nullptr) << c.what;
    EXPECT_TRUE(error.find(file.string()) != std::string::npos && error.find(c.reason) != std::string::npos)
        << c.what << ": '" << error << "' should name the file and say '" << c.reason << "'";
    std::filesystem::remove(file);
  }
}

// Damage inside the large tables, which opening does not walk: the walk the
// generator makes finds it, and the searches over such a file never read
// outside it (each reference is bounded where it is used), whatever they find.
TEST(AtlasFile, DamageInsideTheLargeTablesIsFoundByTheWalkAndReadWithinBounds) {
  namespace format = zentara::places::atlas_file;
  const std::string real = RealAtlasBytes();
  format::Header header;
  std::memcpy(&header, real.data(), sizeof header);
  // `bytes` with every record of a section given `value` at `field` (an offset in the record).
  const auto everyRecord = [](std::string bytes, format::Section section, std::size_t recordBytes, std::size_t field,
                              auto value) {
    for (std::uint64_t i = 0; i < section.count; ++i) {
      std::memcpy(bytes.data() + section.offset + i * recordBytes + field, &value, sizeof value);
    }
    return bytes;
  };
  const format::TextRef farAway{0xFFFFFFF0u, 0xFFFFu};
  const std::uint64_t lastKey = header.keys.offset + sizeof(format::KeyRecord) * (header.keys.count - 1);
  format::TextRef secondNearName;
  std::memcpy(&secondNearName, real.data() + header.nearNames.offset + sizeof secondNearName, sizeof secondNearName);
  const std::string placesFarAway =
      everyRecord(everyRecord(real, header.places, sizeof(format::PlaceRecord), offsetof(format::PlaceRecord, name),
                              farAway),
                  header.places, sizeof(format::PlaceRecord), offsetof(format::PlaceRecord, zone), std::uint16_t{0xFFFF});

  const struct {
    const char* what;
    std::string bytes;
    const char* fault;
    const char* london;  // the first place "London" finds, as PlaceAt names it; null for none
    const char* londonZone;
    bool suggests;  // whether "Chicgo" brings a suggestion
  } cases[] = {
      {"a key pointing past the places", Patched(real, lastKey + offsetof(format::KeyRecord, place), ~0u),
       "refers outside its own tables", "London", "Europe/London", true},
      {"keys out of order (the last made empty)", Patched(real, lastKey, format::TextRef{0, 0}),
       "has its search keys or near names out of order",
       "London", "Europe/London", true},
      {"a near name twice", Patched(real, header.nearNames.offset, secondNearName),
       "has its search keys or near names out of order", "London",
       "Europe/London", true},
      {"a near name longer than the suggestions walk",
       Patched(real, header.nearNames.offset, format::TextRef{0, format::LongestNearName + 1}),
       "has a near name longer than 128 bytes", "London", "Europe/London", true},
      {"every key past the places",
       everyRecord(real, header.keys, sizeof(format::KeyRecord), offsetof(format::KeyRecord, place), ~0u),
       "refers outside its own tables", nullptr, nullptr, false},
      {"every key's text far past the text",
       everyRecord(real, header.keys, sizeof(format::KeyRecord), offsetof(format::KeyRecord, key), farAway),
       "refers outside its own tables", nullptr, nullptr, false},
      {"every place's name far past the text and its zone past the zones", placesFarAway,
       "refers outside its own tables", "", "", false},
      {"every near name far past the text",
       everyRecord(real, header.nearNames, sizeof(format::TextRef), 0, farAway), "refers outside its own tables",
       "London", "Europe/London", false},
  };
  const zentara::places::PlaceQuery queries[] = {
      {"s", "", "", 0}, {"Springfield, Ill", "", "", 10}, {"Munich", "Bavaria", "DE", 10}};
  for (const auto& c : cases) {
    const auto file = DamagedFile(c.bytes);
    std::string error;
    const auto atlas = Atlas::Load(file, error);
    ASSERT_NE(atlas, nullptr) << c.what << ": " << error;
    EXPECT_EQ(atlas->FindFault(), c.fault) << c.what;
    const auto london = atlas->Search({"London", "", "", 10});
    if (c.london == nullptr) {
      EXPECT_TRUE(london.empty()) << c.what;
    } else if (!london.empty()) {
      EXPECT_EQ(atlas->PlaceAt(london.front().place).name, c.london) << c.what;
      EXPECT_EQ(atlas->PlaceAt(london.front().place).timeZone, c.londonZone) << c.what;
    } else {
      ADD_FAILURE() << c.what << ": London is not found";
    }
    for (const auto& query : queries) {
      for (const auto& match : atlas->Search(query)) {
        ASSERT_LT(match.place, atlas->PlaceCount()) << c.what << ", " << query.name;
      }
    }
    EXPECT_EQ(!atlas->SuggestNames({"Chicgo", "", "", 10}).empty(), c.suggests) << c.what;
    std::filesystem::remove(file);
  }
}

// A pipe with no writer would block the reader for good: only a regular file
// is opened, and what else the path is, is said.
TEST(AtlasFile, OnlyARegularFileIsOpened) {
  const auto folder = OwnTemporaryPath("zentara_atlas_not_a_file");
  std::filesystem::remove_all(folder);
  std::filesystem::create_directory(folder);
  const auto pipe = folder / "fifo.bin";
  ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
  const std::pair<std::filesystem::path, const char*> cases[] = {
      {pipe, "it is not a regular file"}, {folder, "it is a folder"}, {folder / "none.bin", "no such file"}};
  for (const auto& [path, reason] : cases) {
    std::string error;
    EXPECT_EQ(Atlas::Load(path, error), nullptr) << path;
    EXPECT_EQ(error, "cannot read the atlas file " + path.string() + ": " + reason);
  }
  std::filesystem::remove_all(folder);
}

}  // namespace
