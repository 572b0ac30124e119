#include "numerology/extended_texts.h"

#include <array>

namespace zentara {
namespace {

struct Meaning {
  int Value;
  std::string_view Text;
};

constexpr std::array<Meaning, 12> Meanings = {{
    {1, "One starts things. It stands for initiative, a will of one's own and the courage to go first, and it is "
        "happiest with room to decide."},
    {2, "Two joins things. It stands for tact, patience and a fine ear for other people, and it does its best "
        "work in partnership."},
    {3, "Three expresses things. It stands for talk, play, imagination and a light touch, and it needs an "
        "audience or at least a listener."},
    {4, "Four builds things. It stands for order, steady work and keeping promises, and it trusts what has been "
        "tested."},
    {5, "Five changes things. It stands for curiosity, travel, the senses and quick adaptation, and it wilts "
        "under routine."},
    {6, "Six looks after things. It stands for home, responsibility, care and a sense of beauty, and it likes "
        "to be needed."},
    {7, "Seven studies things. It stands for reflection, analysis and a private inner life, and it wants time "
        "alone to think."},
    {8, "Eight manages things. It stands for ambition, judgment, money and authority, and it measures itself by "
        "results."},
    {9, "Nine completes things. It stands for generosity, breadth of view and service to others, and it finds "
        "meaning in letting go."},
    {11, "Eleven, a master number, is a two with a charge: intuition, ideals and the wish to inspire, along with "
         "nerves that need looking after."},
    {22, "Twenty-two, a master number, is a four on a large scale: plans that serve many people, and the "
         "patience to build them stone by stone."},
    {33, "Thirty-three, a master number, is a six turned outward: teaching and caring on behalf of others, "
         "asked to stay realistic about its own limits."},
}};

}  // namespace

std::string_view KindTitle(NumberKind kind) {
  switch (kind) {
    case NumberKind::SoulUrge: return "Soul Urge";
    case NumberKind::Personality: return "Personality";
    case NumberKind::Birthday: return "Birthday";
    case NumberKind::Maturity: break;
  }
  return "Maturity";
}

std::string_view KindIntro(NumberKind kind) {
  switch (kind) {
    case NumberKind::SoulUrge:
      return "The soul urge adds up the vowels of the full name (Y among them when no vowel stands beside it). It "
             "speaks of what a person wants most, often before saying so.";
    case NumberKind::Personality:
      return "The personality adds up the other letters of the name. It describes the face shown to the world and "
             "the first impression left on people.";
    case NumberKind::Birthday:
      return "The birthday number is the day of the month alone. It names a particular gift a person brings to "
             "whatever they do.";
    case NumberKind::Maturity: break;
  }
  return "The maturity number adds the life path and the destiny numbers. It points to what grows stronger in the "
         "second half of life, once experience has done its work.";
}

std::string_view NumberMeaning(int value) {
  for (const Meaning& meaning : Meanings) {
    if (meaning.Value == value) return meaning.Text;
  }
  return {};
}

std::string_view KarmicDebtText(int debt) {
  switch (debt) {
    case 13: return "A 13 on the way down asks for steady effort where shortcuts tempt.";
    case 14: return "A 14 on the way down asks for moderation when freedom is plentiful.";
    case 16: return "A 16 on the way down asks for humility when plans have to be rebuilt.";
    case 19: return "A 19 on the way down asks for accepting help instead of standing alone.";
    default: return {};
  }
}

std::string_view RatingText(NumberRating rating) {
  switch (rating) {
    case NumberRating::HighlyCompatible:
      return "These two numbers belong to the same family. Each understands the other's pace without explanation, "
             "and the task is mostly not to take that ease for granted.";
    case NumberRating::Compatible:
      return "These two numbers differ but fit. What one lacks the other can often supply, and a little curiosity "
             "about the difference turns it into an asset.";
    case NumberRating::Neutral:
      return "These two numbers neither pull together nor apart on their own. How the pair gets on here depends on "
             "choices and habits more than on the numbers.";
    case NumberRating::Challenging:
      return "These two numbers want different things at first sight. That friction can be productive when both "
             "name their needs plainly and leave room for the other's way.";
    case NumberRating::None: break;
  }
  return {};
}

}  // namespace zentara
