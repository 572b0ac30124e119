// A name or place as the astro form's letters boxes hold it.
#include <gtest/gtest.h>

#include "astro/match/key_filters.h"
#include "astro/places/form_letters.h"

namespace {

TEST(FormLetters, AccentsTwoLetterSpellingsAndOtherCharacters) {
  struct Case {
    const char* text;
    const char* letters;
  };
  const Case cases[] = {
      {"São Paulo", "Sao Paulo"},        // accents go, case stays
      {"ÉCOLE école", "ECOLE ecole"},
      {"Straße", "Strasse"},             // letters usually written as two
      {"Ærø æble", "AEro aeble"},
      {"Tromsø", "Tromso"},
      {"Łódź", "Lodz"},
      {"Þór þing", "THor thing"},
      {"St. Louis", "St Louis"},         // any other character is a space, runs made one
      {"  Coeur d'Alene-Nord  ", "Coeur d Alene Nord"},
      {"Room 101", "Room"},
      {"Москва Moscow", "Moscow"},       // other scripts are no letters of the boxes
      {"bad\xff\xfe byte", "bad byte"},  // nor are bytes that are not UTF-8
      {"", ""},
  };
  for (const Case& c : cases) {
    const std::string letters = zentara::places::FormLetters(c.text);
    EXPECT_EQ(letters, c.letters) << "text: " << c.text;
    EXPECT_TRUE(zentara::TextAccepted(zentara::KeyFilter::Letters, letters)) << "text: " << c.text;
  }
}

}  // namespace
