// Sentences filled as English reads them: every placeholder in one pass (a
// typed name holding "%2" stays as typed), a count's singular form for one.
#include "astro/match/lookup_sentences.h"

#include <gtest/gtest.h>

namespace zentara {
namespace {

TEST(FilledText, FillsEachPlaceholderOnceInOnePass) {
  EXPECT_EQ(FilledText("No %1 in the state %2.", {"\"%2\"", "Ohio"}, -1), "No \"%2\" in the state Ohio.");
  EXPECT_EQ(FilledText("%n of %1, 100%", {"all"}, 7), "7 of all, 100%");
  EXPECT_EQ(FilledText("%3 stays: no third", {"a", "b"}, -1), "%3 stays: no third");
}

TEST(EnglishText, SingularForOneAndSentencesJoinedBySpaces) {
  const Sentence found{"%n places found.", "%n place found.", 1, {}};
  EXPECT_EQ(EnglishText({{"No %1.", nullptr, -1, {"Holland"}}, found}), "No Holland. 1 place found.");
  EXPECT_EQ(EnglishText({{"%n places found.", "%n place found.", 2, {}}}), "2 places found.");
}

}  // namespace
}  // namespace zentara
