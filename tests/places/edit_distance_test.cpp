// The edit distance the closest names are ranked by.
#include <gtest/gtest.h>

#include "astro/places/edit_distance.h"

namespace {

using zentara::places::EditDistance;

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

// The name tree prunes by the triangle inequality.
TEST(EditDistance, TriangleInequalityOverTheWorkedTexts) {
  for (const Pair& x : Pairs) {
    for (const Pair& y : Pairs) {
      for (const char* a : {x.a, x.b}) {
        for (const char* b : {y.a, y.b}) {
          for (const char* c : {"ac", "abc", "edinburgh", "chicago"}) {
            EXPECT_LE(EditDistance(a, c), EditDistance(a, b) + EditDistance(b, c)) << a << " / " << b << " / " << c;
          }
        }
      }
    }
  }
}

}  // namespace
