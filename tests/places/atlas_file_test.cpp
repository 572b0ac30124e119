// A missing or damaged atlas file is refused with a reason, never read past.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "astro/places/atlas.h"

namespace {

using zentara::places::Atlas;

std::string RealAtlasBytes() {
  std::ifstream in(ZENTARA_TEST_ATLAS, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(AtlasFile, DamagedFilesAreRefused) {
  const std::string real = RealAtlasBytes();
  ASSERT_GT(real.size(), 1000u);
  std::string wrongVersion = real;
  wrongVersion[8] = 99;
  std::string placeOutOfRange = real;  // the last search key points past the places
  placeOutOfRange.replace(placeOutOfRange.size() - 4, 4, "\xff\xff\xff\x7f");
  std::string keysOutOfOrder = real;  // the last search key made empty, so it sorts first
  keysOutOfOrder.replace(keysOutOfOrder.size() - 12, 8, std::string(8, '\0'));

  const struct {
    const char* what;
    std::string bytes;
  } cases[] = {
      {"empty", ""},
      {"text", "London\tGB\n"},
      {"truncated", real.substr(0, real.size() / 2)},
      {"one byte more", real + "x"},
      {"another version", wrongVersion},
      {"a key pointing past the places", placeOutOfRange},
      {"keys out of order", keysOutOfOrder},
  };
  const auto file = std::filesystem::temp_directory_path() / "zentara_damaged_atlas.bin";
  for (const auto& c : cases) {
    std::ofstream(file, std::ios::binary | std::ios::trunc) << c.bytes;
    std::string error;
    EXPECT_EQ(Atlas::Load(file, error), nullptr) << c.what;
    EXPECT_FALSE(error.empty()) << c.what;
  }
  std::filesystem::remove(file);

  std::string error;
  EXPECT_EQ(Atlas::Load("/nonexistent/atlas.bin", error), nullptr);
  EXPECT_NE(error.find("cannot read"), std::string::npos) << error;
}

}  // namespace
