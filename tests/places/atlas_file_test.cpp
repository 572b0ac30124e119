// A missing or damaged atlas file is refused with a reason, never read past.
#include <gtest/gtest.h>

#include <cstdio>
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
    EXPECT_NE(error.find(file.string()), std::string::npos) << c.what << ": the message names the file: " << error;
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
