// The couple's reading texts: one table walk over every pair of the thirteen
// points in each family and every planet and the north node in each house,
// none empty, the names in their places, no sentence in two paragraphs; and
// every word of them, of the extended numbers and of the Scores tab known to
// hunspell's American English dictionary or to the field's short word list
// (tests/data/reading_words.txt).
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "astro/match/reading_texts.h"
#include "astro/match/score_explanation.h"
#include "numerology/extended_texts.h"

namespace {

using namespace zentara;

constexpr AspectKind OneOfEachFamily[] = {AspectKind::Conjunction, AspectKind::Trine, AspectKind::Square};

std::vector<std::string> AllTexts() {
  std::vector<std::string> texts;
  for (std::size_t i = 0; i < AspectPointCount; ++i) {
    for (std::size_t j = i; j < AspectPointCount; ++j) {
      for (const AspectKind kind : OneOfEachFamily) {
        texts.push_back(AspectText(AspectPoints[i], AspectPoints[j], kind, "John", "Mary"));
      }
    }
  }
  for (std::size_t p = 0; p < OverlayPointCount; ++p) {
    for (int house = 1; house <= 12; ++house) texts.push_back(OverlayText(AspectPoints[p], house, "John", "Mary"));
  }
  return texts;
}

// The sentences of a paragraph: up to each ". " and the end.
std::vector<std::string> Sentences(const std::string& text) {
  std::vector<std::string> sentences;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find(". ", start)) != std::string::npos; start = end + 2) {
    sentences.push_back(text.substr(start, end - start));
  }
  sentences.push_back(text.substr(start));
  return sentences;
}

TEST(ReadingTexts, EveryPairFamilyAndHouseHasItsOwnParagraph) {
  const std::vector<std::string> texts = AllTexts();
  ASSERT_EQ(texts.size(), 273u + 132u);
  std::map<std::string, std::size_t> seen;  // each sentence and the paragraph it is in
  for (std::size_t t = 0; t < texts.size(); ++t) {
    const std::string& text = texts[t];
    EXPECT_TRUE(text.find("John") != std::string::npos && text.find("Mary") != std::string::npos) << text;
    EXPECT_EQ(text.find('{'), std::string::npos) << text;
    const std::size_t sentences = Sentences(text).size();
    EXPECT_TRUE(sentences >= 2 && sentences <= 4) << sentences << " sentences: " << text;
    for (const std::string& sentence : Sentences(text)) {
      const auto [where, fresh] = seen.emplace(sentence, t);
      EXPECT_TRUE(fresh) << "\"" << sentence << "\" is in both\n" << texts[where->second] << "\nand\n" << text;
    }
  }
}

TEST(ReadingTexts, NamesGoWithTheirPoints) {
  // His Sun and her Moon, and his Moon and her Sun: the Sun's owner comes first.
  EXPECT_EQ(AspectText(SunSlot, MoonSlot, AspectKind::Trine, "John", "Mary").rfind("John's sense of purpose and "
                                                                                   "Mary's moods",
                                                                                   0),
            0u);
  EXPECT_EQ(AspectText(MoonSlot, SunSlot, AspectKind::Opposition, "John", "Mary").rfind("Mary's sense of purpose and "
                                                                                        "John's moods",
                                                                                        0),
            0u);
  EXPECT_EQ(OverlayText(VenusSlot, 7, "John", "Mary").rfind("John's way of showing affection falls in Mary's "
                                                           "seventh house, the house of partnership",
                                                           0),
            0u);
  EXPECT_EQ(OverlayText(AscendantSlot, 7, "John", "Mary"), "");
  EXPECT_EQ(OverlayText(SunSlot, 13, "John", "Mary"), "");
}

TEST(ReadingTexts, EveryWordIsSpelledRight) {
  const auto folder = std::filesystem::temp_directory_path();
  const auto textPath = folder / ("zentara-reading-texts-" + std::to_string(::getpid()) + ".txt");
  {
    std::ofstream out(textPath);
    for (const std::string& text : AllTexts()) out << text << "\n";
    // The extended numbers' words, and the Scores tab's, are spelled alike.
    for (const NumberKind kind : ExtendedKinds) out << KindIntro(kind) << "\n";
    for (const int value : {1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 22, 33}) out << NumberMeaning(value) << "\n";
    for (const int debt : {13, 14, 16, 19}) out << KarmicDebtText(debt) << "\n";
    for (const NumberRating rating : {NumberRating::HighlyCompatible, NumberRating::Compatible, NumberRating::Neutral,
                                      NumberRating::Challenging}) {
      out << RatingText(rating) << "\n";
    }
    for (const std::string& line : RelationshipScoreExplanation({})) out << line << "\n";
  }
  const std::string command = "hunspell -d en_US -p '" ZENTARA_TEST_DATA_DIR "/reading_words.txt' -l < '" +
                              textPath.string() + "' 2>&1";
  FILE* pipe = ::popen(command.c_str(), "r");
  ASSERT_NE(pipe, nullptr) << "cannot run hunspell (scripts/setup.sh installs it)";
  std::string unknown;
  char buffer[256];
  while (std::fgets(buffer, sizeof buffer, pipe) != nullptr) unknown += buffer;
  const int status = ::pclose(pipe);
  std::filesystem::remove(textPath);
  EXPECT_EQ(status, 0) << "hunspell failed: " << unknown;
  EXPECT_EQ(unknown, "") << "words hunspell does not know";
}

}  // namespace
