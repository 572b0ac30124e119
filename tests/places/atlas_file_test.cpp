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

TEST(AtlasFile, DamagedFilesAreRefused) {
  namespace format = zentara::places::atlas_file;
  const std::string real = RealAtlasBytes();
  ASSERT_GT(real.size(), 1000u);
  format::Header header;
  std::memcpy(&header, real.data(), sizeof header);
  const std::uint64_t lastKey = header.keys.offset + sizeof(format::KeyRecord) * (header.keys.count - 1);
  format::TextRef secondNearName;
  std::memcpy(&secondNearName, real.data() + header.nearNames.offset + sizeof secondNearName, sizeof secondNearName);
  format::Header zonesMoved = header;
  zonesMoved.zones.offset += format::SectionAlignment;

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
      {"a key pointing past the places", Patched(real, lastKey + offsetof(format::KeyRecord, place), ~0u),
       "refers outside its own tables"},
      {"keys out of order (the last made empty)", Patched(real, lastKey, format::TextRef{0, 0}), "out of order"},
      {"a near name twice", Patched(real, header.nearNames.offset, secondNearName), "out of order"},
  };
  const auto file = std::filesystem::temp_directory_path() / "zentara_damaged_atlas.bin";
  for (const auto& c : cases) {
    std::ofstream(file, std::ios::binary | std::ios::trunc) << c.bytes;
    std::string error;
    EXPECT_EQ(Atlas::Load(file, error), nullptr) << c.what;
    EXPECT_TRUE(error.find(file.string()) != std::string::npos && error.find(c.reason) != std::string::npos)
        << c.what << ": '" << error << "' should name the file and say '" << c.reason << "'";
  }
  std::filesystem::remove(file);
}

// A pipe with no writer would block the reader for good: only a regular file
// is opened, and what else the path is, is said.
TEST(AtlasFile, OnlyARegularFileIsOpened) {
  const auto folder = std::filesystem::temp_directory_path() / "zentara_atlas_not_a_file";
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
