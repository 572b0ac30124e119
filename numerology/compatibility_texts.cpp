#include "numerology/compatibility_texts.h"

#include <array>
#include <cstddef>
#include <optional>

#include "common/number_text.h"

namespace zentara {
namespace {

// The 48 paragraphs, each named after the keys that share it. Most pairs read
// the same both ways; 12 and 21, 13 and 31, 38 and 83 each have their own text.
// clang-format off
constexpr std::string_view kText11 = "This is a combat of egos, which is what happens when two born leaders share one home. Each of you wants to set the course, and neither likes to be told. Take turns at the helm, split the decisions, and praise each other often. Two strong wills pulling together move mountains.";
constexpr std::string_view kText12 = "An ideal and nice match but with a tendency towards typecast roles. Swap the chores now and then to keep it fresh.";
constexpr std::string_view kText13 = "This is a pretty happening relationship. Your relationship is lively, social and full of laughter, and friends love to drop by. You spark ideas in each other and rarely sit still. Never let you ego spoil the fun.";
constexpr std::string_view kText14And41 = "Harmony may not always come easy, must strive for it together. One of you wants order while the other longs for room to move. Agree on some shared rules, and talk things over before resentment builds. Patience makes this a solid bond.";
constexpr std::string_view kText15And51 = "This relationship has all the excitement of a summer fair: bright, noisy and full of surprises. You rarely bore each other. The risk is that nobody minds the chores. Share the dull tasks fairly and keep savings aside, and the fun will last.";
constexpr std::string_view kText16And61 = "Pleasure and affluence are ready to be showered on this couple. You enjoy comfort and beauty and build a warm home. Guard against spending too freely, and remember that kindness matters more.";
constexpr std::string_view kText17And71 = "A good intellectual match. This relationship portrays unusual depth of thought. You adore long talks; make room for simple affection, too.";
constexpr std::string_view kText18And81 = "This is a very ambitious partnership. Have your goals written down together, for you both aim high. Success comes easily, but do not let work crowd out tenderness and rest.";
constexpr std::string_view kText19And91 = "This is a very fiery relationship. Learn to cool down before you speak, since both of you can flare up in an instant. The same fire gives you passion and courage. Channel it into shared adventures, never quarrels.";
constexpr std::string_view kText21 = "A nice match but with a tendency towards stereotyped roles. Swap the chores now and then to keep it fresh. Let each of you grow beyond the role you first took.";
constexpr std::string_view kText22 = "Both of you are a lot like each other: gentle, tactful and keen to please. Peace comes easily, yet big matters can be left unsaid too long. Be brave enough to voice your wishes, and let one of you lead when a choice must be made.";
constexpr std::string_view kText23And32 = "The future may have some difficulties in store for you, mostly from mixed messages. One of you seeks quiet closeness, the other seeks company. Explain your needs plainly and you will weather storms.";
constexpr std::string_view kText24And42 = "A moderately steady relationship, at times boring. You both value security and loyalty, which is a fine base. Add some novelty now and then: a trip, a new hobby, a surprise meal.";
constexpr std::string_view kText25And52 = "You both are very different from each other. One longs for calm and the other for change. The contrast can be exciting if you accept it. Give each other freedom, keep promises small, and be patient.";
constexpr std::string_view kText26And62 = "You are quite attuned to each other and share a deep wish for a loving home. Tender care flows both ways here. Be careful not to smother one another, and keep friends and interests of your own.";
constexpr std::string_view kText27And72 = "This relationship will survive if both of you respect the need for privacy. One of you is sensitive, the other reflective. Honest words will keep you near.";
constexpr std::string_view kText28And82 = "This is a very complementary match. Can be a strong team: one brings tact, the other drive. Value what your partner adds, share the credit.";
constexpr std::string_view kText29And92 = "A bit of extremeness can lead your lives. Your moods can swing from high to low, and each of you feels the other's swings deeply. Build calm habits, such as a daily walk, and look outward to causes you both believe in. Generosity restores balance.";
constexpr std::string_view kText31 = "This is a pretty happening relationship. Your relationship is lively, social and full of laughter, and friends love to drop by. You spark ideas in each other and rarely sit still. Never let your ego spoil the fun.";
constexpr std::string_view kText33 = "This will be a wild journey. Evade overdoing it: enjoy the ride, but keep your feet on solid ground.";
constexpr std::string_view kText34And43 = "This relationship will take its toll on the patience of you both. One is playful and spontaneous, the other careful and orderly. Neither way is wrong. The planner can relax, and the dreamer can finish what is started. Then you'll thrive.";
constexpr std::string_view kText35And53 = "This is a partnership built on passion and parties. Save some energy for the quiet days, too.";
constexpr std::string_view kText36And63 = "This is a very homely combination. You will take much pleasure in your house, your family and your friends. Keep romance alive beyond the daily routine.";
constexpr std::string_view kText37And73 = "Diverse people, miscellaneous needs. You need to work at understanding each other. One is social and lively, the other thoughtful. Honour both ways and find a shared rhythm.";
constexpr std::string_view kText38 = "This is an association of opposites. Things may go smoothly at first, then tempers flare when plans clash. One of you is bold, the other wary. Listen first; you gain from the difference.";
constexpr std::string_view kText39And93 = "Life is your stage, there is not much you two cannot turn into a celebration. Creative and cheerful, you inspire others. Never forget to listen to each other.";
constexpr std::string_view kText44 = "This is a very an association based on hard work, trust and common sense. You build steadily and keep your word. The danger is rigidity. Laugh more, try new things, forgive small faults, and your home will be a happy one.";
constexpr std::string_view kText45And54 = "This is an egoistic relationship. The usual problem is that each of you believes your own way is the only right way. One wants order, the other craves freedom. Listen without interrupting, meet halfway on big choices, let go of small ones. With goodwill you can learn from one another.";
constexpr std::string_view kText46And64 = "This is a made for each other match. You both value home, duty and loyalty, and you care for each other in countless small ways.";
constexpr std::string_view kText47And74 = "This is a very serious relationship. Maybe things feel heavy at times, since both of you think hard about everything. Make room for fun and laughter, and share your feelings.";
constexpr std::string_view kText48And84 = "Some good signs in relations. Generally you both work hard and aim for security. Remember to celebrate your successes together too.";
constexpr std::string_view kText49And94 = "This is a very difficult and improbable combination. Your habits and dreams differ a great deal. Honest talks, patience and a sense of humour will be needed every day.";
constexpr std::string_view kText55 = "This is an unusual relationship. You have a shared hunger for travel, change and adventure. Life together is never dull, but roots matter, too. Make a home base you can always come to.";
constexpr std::string_view kText56And65 = "More than accurate effort, some compromises are in order here. One craves freedom, the other wants a settled family life. Agree calmly on what each of you can give up.";
constexpr std::string_view kText57And75 = "A relationship built on individual freedom. You need space and trust in equal measure. Keep in touch while apart and share stories.";
constexpr std::string_view kText58And85 = "Your life is always full of new plans and grand schemes. Finish one before starting the next, and share both the work and the rewards.";
constexpr std::string_view kText59And95 = "An unusual combination but willing to explore all that life offers. Stay curious, stay kind, and keep one another well informed.";
constexpr std::string_view kText66 = "Both of you relate to other people very warmly, and your home is open to all comers. Never let caring for others leave you too little time for one another.";
constexpr std::string_view kText67And76 = "A difficult combination requiring some compromise. Try to understand the other's need for solitude or for company, and speak kindly whenever you disagree.";
constexpr std::string_view kText68And86 = "A good match, likely to continue. Keep away from petty fights about money and old grudges.";
constexpr std::string_view kText69And96 = "For the most part of life, this is a caring and generous pair. You share a wish to help others. Keep some of that kindness for yourselves, and rest well.";
constexpr std::string_view kText77 = "Allow for some individual peculiarity. Respect each other's need for calm thought. You understand each other without words, but say the loving ones out loud.";
constexpr std::string_view kText78And87 = "In this relationship, happiness is centered on careers. You respect each other's talents. Always set aside time that belongs to no job at all, but only to the two of you.";
constexpr std::string_view kText79And97 = "This relationship definitely has a spiritual appeal and a shared search for meaning. Keep one foot firmly in the practical world.";
constexpr std::string_view kText83 = "This is an association of opposites. Things may go smoothly at first, then tempers flare when plans clash. One of you is bold, the other wary. Listen first; you gain from the difference";
constexpr std::string_view kText88 = "This is a very dynamic association. It's the meeting of two intense wills. Share the power, and you will go far.";
constexpr std::string_view kText89And98 = "This relationship has much potential for love and success. You are both generous and driven. Let your ambition serve the partnership, and never rule it.";
constexpr std::string_view kText99 = "Both of have very lofty ideals. Both of you give freely; remember to care for yourselves, too.";
// clang-format on

constexpr std::array<CompatibilityText, 81> kCompatibilityTexts = {{
    {11, kText11},
    {12, kText12},
    {13, kText13},
    {14, kText14And41},
    {15, kText15And51},
    {16, kText16And61},
    {17, kText17And71},
    {18, kText18And81},
    {19, kText19And91},
    {21, kText21},
    {22, kText22},
    {23, kText23And32},
    {24, kText24And42},
    {25, kText25And52},
    {26, kText26And62},
    {27, kText27And72},
    {28, kText28And82},
    {29, kText29And92},
    {31, kText31},
    {32, kText23And32},
    {33, kText33},
    {34, kText34And43},
    {35, kText35And53},
    {36, kText36And63},
    {37, kText37And73},
    {38, kText38},
    {39, kText39And93},
    {41, kText14And41},
    {42, kText24And42},
    {43, kText34And43},
    {44, kText44},
    {45, kText45And54},
    {46, kText46And64},
    {47, kText47And74},
    {48, kText48And84},
    {49, kText49And94},
    {51, kText15And51},
    {52, kText25And52},
    {53, kText35And53},
    {54, kText45And54},
    {55, kText55},
    {56, kText56And65},
    {57, kText57And75},
    {58, kText58And85},
    {59, kText59And95},
    {61, kText16And61},
    {62, kText26And62},
    {63, kText36And63},
    {64, kText46And64},
    {65, kText56And65},
    {66, kText66},
    {67, kText67And76},
    {68, kText68And86},
    {69, kText69And96},
    {71, kText17And71},
    {72, kText27And72},
    {73, kText37And73},
    {74, kText47And74},
    {75, kText57And75},
    {76, kText67And76},
    {77, kText77},
    {78, kText78And87},
    {79, kText79And97},
    {81, kText18And81},
    {82, kText28And82},
    {83, kText83},
    {84, kText48And84},
    {85, kText58And85},
    {86, kText68And86},
    {87, kText78And87},
    {88, kText88},
    {89, kText89And98},
    {91, kText19And91},
    {92, kText29And92},
    {93, kText39And93},
    {94, kText49And94},
    {95, kText59And95},
    {96, kText69And96},
    {97, kText79And97},
    {98, kText89And98},
    {99, kText99},
}};

// The lookup walks the rows in order and takes the first equal key, so the
// order is part of the table's meaning: check it while compiling.
constexpr bool KeysAreEveryPairInOrder() {
  std::size_t row = 0;
  for (int male = 1; male <= 9; ++male) {
    for (int female = 1; female <= 9; ++female) {
      if (kCompatibilityTexts[row].key != male * 10 + female) return false;
      if (kCompatibilityTexts[row].text.empty()) return false;
      ++row;
    }
  }
  return row == kCompatibilityTexts.size();
}
static_assert(KeysAreEveryPairInOrder(), "the rows must be 11..99 without zero digits, ascending");

}  // namespace

std::span<const CompatibilityText> CompatibilityTexts() { return kCompatibilityTexts; }

std::string LookupCompatibilityText(std::string_view key) {
  const std::optional<double> value = ReadDecimalNumber(key);
  if (!value) return {};
  for (const CompatibilityText& row : kCompatibilityTexts) {
    if (*value == static_cast<double>(row.key)) return std::string(row.text);
  }
  return {};
}

}  // namespace zentara
