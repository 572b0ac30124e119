// The edit distance the closest names are ranked by.
#include <gtest/gtest.h>

#include <algorithm>
#include <string_view>

#include "astro/places/edit_distance.h"

namespace {

using zentara::places::EditDistance;
using zentara::places::EditDistanceRows;

struct Pair {
  const char *a, *b;
  unsigned distance;
};
constexpr Pair Pairs[] = {
    {"", "", 0},
    {"abc", "", 3},
    {"kitten", "sitting", 3},
    {"ca", "ac", 1},                   // a swap of neighbours is one edit
    {"ca", "abc", 2},                  // and can be edited again (3 by optimal string alignment)
    {"abcdef", "badcfe", 3},
    {"abcdefgh", "hgfedcba", 7},
    {"edinbrugh", "edinburgh", 1},
    {"philadelfia", "philadelphia", 2},
    {"chicgo", "chicago", 1},
    {"pitsburgh", "pittsburgh", 1},
    {"москва", "моксва", 1},           // counted in characters, not bytes
    {"東京", "京東", 1},
    {"\xff", "a", 1},                  // a byte that is not UTF-8 is one character
};

TEST(EditDistance, WorkedPairsBothWays) {
  for (const Pair& p : Pairs) {
    EXPECT_EQ(EditDistance(p.a, p.b), p.distance) << p.a << " / " << p.b;
    EXPECT_EQ(EditDistance(p.b, p.a), p.distance) << p.b << " / " << p.a;
  }
}

// A character at a time, as the search walks the sorted names: the bound at
// every beginning of the second text is no more than the whole's distance,
// and rows taken back and pushed again give the distance to the new text.
TEST(EditDistance, RowsPushedAndPopped) {
  for (const Pair& p : Pairs) {
    const std::string_view b = p.b;
    if (std::any_of(b.begin(), b.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; })) continue;
    EditDistanceRows rows(p.a);
    for (const char c : b) {
      rows.Push(static_cast<char32_t>(c));
      EXPECT_LE(rows.Bound(), p.distance) << p.a << " / " << p.b;
    }
    EXPECT_EQ(rows.Distance(), p.distance) << p.a << " / " << p.b;
    for (std::size_t i = 0; i < b.size(); ++i) rows.Pop();
    for (const char c : std::string_view("chicago")) rows.Push(static_cast<char32_t>(c));
    EXPECT_EQ(rows.Distance(), EditDistance(p.a, "chicago")) << p.a << " / chicago after " << p.b;
  }
}

}  // namespace
