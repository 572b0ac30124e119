#include "numerology/compatibility_texts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace {

using zentara::CompatibilityText;
using zentara::LookupCompatibilityText;

struct ExpectedParagraph {
  std::vector<int> keys;    // every key that shows this paragraph
  std::string_view begins;  // its opening words
  std::size_t length;       // its length in characters
};

// Every paragraph by its keys, opening words and length.
const std::vector<ExpectedParagraph> kExpectedParagraphs = {
    {{11}, "This is a combat of egos, which is", 276},
    {{12}, "An ideal and nice match but with a", 114},
    {{13}, "This is a pretty happening relationship. Your relationship", 212},
    {{14, 41}, "Harmony may not always come easy, must strive", 234},
    {{15, 51}, "This relationship has all the excitement of a", 240},
    {{16, 61}, "Pleasure and affluence are ready to be showered", 191},
    {{17, 71}, "A good intellectual match. This relationship portrays unusual", 138},
    {{18, 81}, "This is a very ambitious partnership. Have your", 172},
    {{19, 91}, "This is a very fiery relationship. Learn to", 213},
    {{21}, "A nice match but with a tendency towards", 159},
    {{22}, "Both of you are a lot like each", 229},
    {{23, 32}, "The future may have some difficulties in store", 198},
    {{24, 42}, "A moderately steady relationship, at times boring. You", 178},
    {{25, 52}, "You both are very different from each other.", 198},
    {{26, 62}, "You are quite attuned to each other and", 193},
    {{27, 72}, "This relationship will survive if both of you", 155},
    {{28, 82}, "This is a very complementary match. Can be", 139},
    {{29, 92}, "A bit of extremeness can lead your lives.", 247},
    {{31}, "This is a pretty happening relationship. Your relationship", 213},
    {{33}, "This will be a wild journey. Evade overdoing", 100},
    {{34, 43}, "This relationship will take its toll on the", 237},
    {{35, 53}, "This is a partnership built on passion and", 93},
    {{36, 63}, "This is a very homely combination. You will", 152},
    {{37, 73}, "Diverse people, miscellaneous needs. You need to work", 173},
    {{38}, "This is an association of opposites. Things may", 186},
    {{39, 93}, "Life is your stage, there is not much", 158},
    {{44}, "This is a very an association based on", 221},
    {{45, 54}, "This is an egoistic relationship. The usual problem", 285},
    {{46, 64}, "This is a made for each other match.", 128},
    {{47, 74}, "This is a very serious relationship. Maybe things", 174},
    {{48, 84}, "Some good signs in relations. Generally you both", 131},
    {{49, 94}, "This is a very difficult and improbable combination.", 167},
    {{55}, "This is an unusual relationship. You have a", 184},
    {{56, 65}, "More than accurate effort, some compromises are in", 167},
    {{57, 75}, "A relationship built on individual freedom. You need", 131},
    {{58, 85}, "Your life is always full of new plans", 134},
    {{59, 95}, "An unusual combination but willing to explore all", 128},
    {{66}, "Both of you relate to other people very", 155},
    {{67, 76}, "A difficult combination requiring some compromise. Try to", 154},
    {{68, 86}, "A good match, likely to continue. Keep away", 90},
    {{69, 96}, "For the most part of life, this is", 153},
    {{77}, "Allow for some individual peculiarity. Respect each other's", 157},
    {{78, 87}, "In this relationship, happiness is centered on careers.", 170},
    {{79, 97}, "This relationship definitely has a spiritual appeal and", 129},
    {{83}, "This is an association of opposites. Things may", 185},
    {{88}, "This is a very dynamic association. It's the", 112},
    {{89, 98}, "This relationship has much potential for love and", 152},
    {{99}, "Both of have very lofty ideals. Both of", 94},
};

// Keys whose paragraph is not the one of the key with the digits swapped.
const std::set<int> kKeysWithTheirOwnText = {12, 21, 13, 31, 38, 83};

std::map<int, std::string_view> TextsByKey() {
  std::map<int, std::string_view> texts;
  for (const CompatibilityText& row : zentara::CompatibilityTexts()) texts[row.key] = row.text;
  return texts;
}

std::string TextOf(int key) { return LookupCompatibilityText(std::to_string(key)); }

// Printable ASCII only: no line break, no tab, nothing outside 0x20..0x7E.
bool IsPlainAsciiLine(std::string_view text) {
  return std::all_of(text.begin(), text.end(), [](char c) {
    const auto code = static_cast<unsigned char>(c);
    return code >= 0x20 && code <= 0x7E;
  });
}

TEST(CompatibilityTexts, EveryKeyHasItsParagraph) {
  // The rows: 11 to 99 without a zero digit, ascending.
  std::vector<int> wantKeys;
  for (int male = 1; male <= 9; ++male) {
    for (int female = 1; female <= 9; ++female) wantKeys.push_back(male * 10 + female);
  }
  std::vector<int> keys;
  for (const CompatibilityText& row : zentara::CompatibilityTexts()) keys.push_back(row.key);
  ASSERT_EQ(keys, wantKeys);

  // Each key belongs to exactly one expected paragraph.
  std::map<int, const ExpectedParagraph*> expectedOf;
  for (const ExpectedParagraph& paragraph : kExpectedParagraphs) {
    for (int key : paragraph.keys) {
      ASSERT_TRUE(expectedOf.emplace(key, &paragraph).second) << "key " << key << " is listed twice";
    }
  }
  ASSERT_EQ(expectedOf.size(), 81u);
  ASSERT_EQ(kExpectedParagraphs.size(), 48u);

  const std::map<int, std::string_view> texts = TextsByKey();
  std::set<std::string_view> distinct;
  for (const auto& [key, text] : texts) {
    const ExpectedParagraph& want = *expectedOf.at(key);
    EXPECT_EQ(text.substr(0, want.begins.size()), want.begins) << "key " << key;
    EXPECT_EQ(text.size(), want.length) << "key " << key << ": " << text;
    EXPECT_TRUE(IsPlainAsciiLine(text)) << "key " << key << ": " << text;
    EXPECT_EQ(TextOf(key), text) << "key " << key << " looked up";
    const int sharer = want.keys.front();
    EXPECT_EQ(text, texts.at(sharer)) << "key " << key << " should show the paragraph of key " << sharer;
    distinct.insert(text);
  }
  EXPECT_EQ(distinct.size(), 48u) << "distinct paragraphs";

  // The table reads the same with the digits swapped, except for three pairs.
  for (int male = 1; male <= 9; ++male) {
    for (int female = 1; female <= 9; ++female) {
      const int key = male * 10 + female;
      const int swapped = female * 10 + male;
      if (kKeysWithTheirOwnText.count(key) != 0) {
        EXPECT_NE(texts.at(key), texts.at(swapped)) << "keys " << key << " and " << swapped;
      } else {
        EXPECT_EQ(texts.at(key), texts.at(swapped)) << "keys " << key << " and " << swapped;
      }
    }
  }
}

TEST(CompatibilityTexts, TwentyOneIsTwelveWithItsOwnFirstSentenceAndOneMoreClosingSentence) {
  constexpr std::string_view first12 = "An ideal and nice match but with a tendency towards typecast roles.";
  constexpr std::string_view first21 = "A nice match but with a tendency towards stereotyped roles.";
  const std::string text12 = TextOf(12);
  const std::string text21 = TextOf(21);
  ASSERT_EQ(text12.substr(0, first12.size()), first12);
  ASSERT_EQ(text21.substr(0, first21.size()), first21);

  const std::string rest12 = text12.substr(first12.size());
  const std::string rest21 = text21.substr(first21.size());
  ASSERT_FALSE(rest12.empty()) << "12 has more than its first sentence";
  ASSERT_EQ(rest21.substr(0, rest12.size()), rest12) << "21 goes on as 12 does";

  // What 21 adds is one sentence: a space, a capital, no other full stop.
  const std::string closing = rest21.substr(rest12.size());
  ASSERT_GT(closing.size(), 2u) << "21: " << text21;
  EXPECT_EQ(closing[0], ' ') << closing;
  EXPECT_TRUE(closing[1] >= 'A' && closing[1] <= 'Z') << closing;
  EXPECT_EQ(closing.back(), '.') << closing;
  EXPECT_EQ(std::count(closing.begin(), closing.end(), '.'), 1) << closing;
  EXPECT_EQ(text12.back(), '.') << text12;
}

TEST(CompatibilityTexts, ThirteenAndThirtyOneDifferOnlyInYouEgo) {
  const std::string text13 = TextOf(13);
  const std::string text31 = TextOf(31);
  const std::size_t at = text13.find("you ego");
  ASSERT_NE(at, std::string::npos) << text13;
  EXPECT_EQ(text13.find("you ego", at + 1), std::string::npos) << text13;
  EXPECT_EQ(text13.find("your ego"), std::string::npos) << text13;
  // Near the end: in the last sentence.
  EXPECT_EQ(text13.find(". ", at), std::string::npos) << text13;

  EXPECT_EQ(text31.find("your ego"), at) << text31;
  std::string edited = text13;
  edited.replace(at, std::string_view("you ego").size(), "your ego");
  EXPECT_EQ(edited, text31);
}

TEST(CompatibilityTexts, EightyThreeIsThirtyEightWithoutTheFinalFullStop) {
  const std::string text38 = TextOf(38);
  const std::string text83 = TextOf(83);
  ASSERT_FALSE(text83.empty());
  EXPECT_EQ(text38.back(), '.') << text38;
  EXPECT_NE(text83.back(), '.') << text83;
  EXPECT_EQ(text83 + ".", text38);
}

TEST(CompatibilityTexts, LookupReadsTheKeyAsANumber) {
  const std::string text11 = TextOf(11);
  ASSERT_FALSE(text11.empty());
  EXPECT_EQ(LookupCompatibilityText("011"), text11);
  EXPECT_EQ(LookupCompatibilityText("0011"), text11);
  EXPECT_EQ(LookupCompatibilityText(" 11 "), text11);

  const std::string text35 = LookupCompatibilityText(" 35 ");
  EXPECT_EQ(text35, TextOf(35));
  EXPECT_EQ(TextOf(53), text35);
  EXPECT_EQ(text35.rfind("This is a partnership built on passion and parties.", 0), 0u) << text35;

  EXPECT_EQ(TextOf(99).rfind("Both of have very lofty ideals.", 0), 0u) << TextOf(99);
  EXPECT_NE(TextOf(12), TextOf(21));
}

TEST(CompatibilityTexts, LookupFindsNothingForOtherKeys) {
  for (std::string_view key : {"10", "20", "05", "50", "5", "0", "00", "", " ", "abc", "1 1", "12abc", "11.5",
                               "-11", "1000", "1111", "9999"}) {
    EXPECT_EQ(LookupCompatibilityText(key), "") << "key '" << key << "'";
  }
  // Every key with a zero digit, and every three-digit key.
  for (int number = 0; number <= 999; ++number) {
    const bool inTable = number >= 11 && number <= 99 && number % 10 != 0;
    if (inTable) continue;
    EXPECT_EQ(TextOf(number), "") << "key " << number;
  }
}

}  // namespace
