// The names the save dialogs suggest for a couple's files: both names, and
// nothing that would make an unsafe or hidden file of them.
#include <gtest/gtest.h>

#include <string>

#include "reports/file_names.h"

namespace {

TEST(CoupleFileName, NamesBothPartnersSafely) {
  const struct {
    const char *male, *female, *fallback, *extension, *expected;
  } rows[] = {
      {"Daniel", "Sophie", "Match", "pdf", "Daniel and Sophie.pdf"},
      {"Daniel", "Sophie", "Match", "", "Daniel and Sophie"},
      {"São Paulo", "", "Match", "svg", "São Paulo.svg"},
      {"", "  Sophie ", "Match", "pdf", "Sophie.pdf"},
      {"", "", "Reading", "pdf", "Reading.pdf"},
      {"..", " . ", "", "pdf", "Untitled.pdf"},
      {"../etc/passwd", "Sophie", "Match", "pdf", "etc passwd and Sophie.pdf"},
      {".hidden", "C:\\Users\\x", "Match", "pdf", "hidden and C Users x.pdf"},
      {"A\tB\n\x7F" "C", "D*E?F\"G<H>I|J", "Match", "pdf", "A B C and D E F G H I J.pdf"},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(zentara::CoupleFileName(row.male, row.female, row.fallback, row.extension), row.expected)
        << "from \"" << row.male << "\" and \"" << row.female << "\"";
  }
}

TEST(CoupleFileName, CutsALongNameAtACharactersEdge) {
  std::string longName = "x";
  for (int i = 0; i < 100; ++i) longName += "é";  // two bytes each
  const std::string name = zentara::CoupleFileName(longName, "", "Match", "");
  // Byte 80 is the second byte of an "é": the cut falls before that letter.
  EXPECT_EQ(name.size(), zentara::MaxPartnerNameBytes - 1) << name;
  EXPECT_EQ(name, longName.substr(0, zentara::MaxPartnerNameBytes - 1));
}

}  // namespace
