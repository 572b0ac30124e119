#include "astro/match/reading_texts.h"

#include <array>

namespace zentara {
namespace {

constexpr std::size_t Points = AspectPointCount;

// What each point stands for, as "John's ___", in the order of AspectPoints.
constexpr std::array<std::string_view, Points> Themes = {
    "sense of purpose",        "moods and need for comfort",  "way of thinking and talking",
    "way of showing affection", "drive and temper",           "optimism and generosity",
    "caution and sense of duty", "need for freedom and change", "dreams and sensitivity",
    "intensity and wish to go deep", "direction of growth",   "manner and first impression",
    "aims and public life",
};

// The keynote of each pair of points, one row a first point and its pairs with
// itself and every later point, in the order of AspectPoints. A point with
// itself has a plural keynote ("two minds").
constexpr std::array<std::string_view, Points * (Points + 1) / 2> Keynotes = {
    // Sun with Sun ... Midheaven
    "two strong wills", "will and feeling", "purpose and words", "warmth and admiration", "energy and ambition",
    "encouragement", "responsibility", "sudden excitement", "idealism", "power", "a shared direction", "recognition",
    "ambition in the world",
    // Moon with Moon ... Midheaven
    "two emotional rhythms", "feelings put into words", "tenderness", "passion and touchiness",
    "emotional generosity", "emotional security", "restless feelings", "empathy", "emotional depth",
    "a sense of belonging", "instinctive ease", "the pull between home and career",
    // Mercury
    "two minds", "kind words", "debate", "big ideas", "serious talk", "quick inventive talk", "imagination",
    "probing questions", "learning together", "easy conversation", "plans and advice",
    // Venus
    "two ways of loving", "attraction", "affection and fun", "loyalty", "unusual affection", "romance",
    "strong desire", "affection that guides", "charm", "social grace",
    // Mars
    "two drives", "shared enterprise", "effort and restraint", "impulse", "inspired action", "raw force",
    "the courage to grow", "physical energy", "the drive to achieve",
    // Jupiter
    "two sets of beliefs", "growth and limits", "adventure", "faith and vision", "large ambitions",
    "widening horizons", "good humor", "opportunity",
    // Saturn
    "two senses of duty", "tradition and reform", "realism and hope", "endurance", "lessons worth learning",
    "reserve", "long-term goals",
    // Uranus
    "two wishes for freedom", "inspiration", "upheaval and renewal", "unexpected turns", "surprise",
    "unconventional aims",
    // Neptune
    "two sets of ideals", "deep currents", "a shared calling", "fascination", "vocation",
    // Pluto
    "two intensities", "transformation", "magnetism", "influence",
    // North node
    "two paths of growth", "a meeting that matters", "purpose in the world",
    // Ascendant
    "two styles of meeting the world", "presence and ambition",
    // Midheaven
    "two sets of goals",
};

// Each family's sentences: for two different points, and for a point with
// itself. {A} and {B} are the names, {a} and {b} their points' themes, {k}
// the pair's keynote and {K} the keynote with a capital.
struct FamilySentences {
  std::string_view Pair;
  std::string_view Same;
};
constexpr std::array<FamilySentences, 3> Families = {{
    {"{A}'s {a} and {B}'s {b} fall on the same degree. That puts {k} at the center of what they share, felt "
     "from the first meeting. Because the two are fused, {B} may take {A}'s {a} for part of {B}'s own {b}; saying "
     "which belongs to whom keeps {k} clear.",
     "{A} and {B} have their {a} on the same degree. With {k} pointing one way, they recognize each other "
     "quickly. So much sameness can leave blind spots, so each does well to ask where the other's {a} differs "
     "after all."},
    {"{A}'s {a} and {B}'s {b} work together with little effort. This aspect lets {k} grow without being forced, "
     "often more with the years. Ease is easy to overlook, so it helps when {A} and {B} say aloud what they gain "
     "from {k}.",
     "{A}'s {a} and {B}'s {b} are in easy accord. {K} support rather than compete, and each brings out the best "
     "in the other. The harmony of {k} is worth remembering when other parts of their charts disagree."},
    {"{A}'s {a} and {B}'s {b} pull in different directions. This is where {k} meets friction as well as energy. "
     "When {A} and {B} treat the tension as a question to solve together rather than a contest, the friction "
     "over {k} turns into strength.",
     "{A}'s {a} and {B}'s {b} stand at odds. {K} want different things at the same moment, and small matters can "
     "become tests of who gives way. Taking turns, and saying so, lets {k} become a source of respect."},
}};

// The houses: each one's ordinal and its field of life.
constexpr std::array<std::string_view, 12> Ordinals = {"first", "second", "third", "fourth", "fifth", "sixth",
                                                       "seventh", "eighth", "ninth", "tenth", "eleventh", "twelfth"};
constexpr std::array<std::string_view, 12> Fields = {
    "self-image and appearance",   "money, possessions and values", "conversation, siblings and short trips",
    "home and family",             "romance, play and creativity",  "daily routines, work and health",
    "partnership and commitment",  "shared resources and intimacy", "beliefs, study and travel",
    "career and reputation",       "friendship and hopes",          "solitude and private thoughts",
};

// How each point acts in the partner's house ({d} the house's field), in the
// order of AspectPoints up to the north node.
constexpr std::array<std::string_view, OverlayPointCount> OverlayEffects = {
    "{A} tends to light up this part of {B}'s life, and {B} may feel seen and encouraged in matters of {d}.",
    "{A} responds to {B}'s {d} with feeling, so {B} may feel cared for there, and at times fussed over.",
    "{A} has plenty to say about {B}'s {d}, bringing ideas and now and then advice nobody asked for.",
    "{A} brings warmth and appreciation to {B}'s {d}, which makes it an easy place for affection between them.",
    "{A} stirs up {B}'s {d}, bringing energy and occasionally impatience.",
    "{A} encourages growth in {B}'s {d}, though the enthusiasm can promise more than it keeps.",
    "{A} takes {B}'s {d} seriously, offering structure that can feel supportive on one day and confining on another.",
    "{A} unsettles {B}'s habits around {d} and opens them to fresh possibilities.",
    "{A} softens the edges of {B}'s {d}, inspiring {B} there while sometimes blurring what is real.",
    "{A} brings intensity to {B}'s {d}, where change tends to go deep and to last.",
    "{A} seems to point {B} toward growth in {d}, as if their meeting had a purpose there.",
};

std::size_t PointIndex(ChartSlot slot) {
  for (std::size_t i = 0; i < Points; ++i) {
    if (AspectPoints[i] == slot) return i;
  }
  return Points;
}

// The row-by-row index of the pair (first <= second).
std::size_t PairIndex(std::size_t first, std::size_t second) {
  return first * Points - first * (first - 1) / 2 + (second - first);
}

std::string Capitalized(std::string_view text) {
  std::string capital(text);
  if (!capital.empty() && capital[0] >= 'a' && capital[0] <= 'z') capital[0] = static_cast<char>(capital[0] - 'a' + 'A');
  return capital;
}

// `pattern` with each {X} replaced by the value of X; other braces are kept.
std::string Filled(std::string_view pattern, const std::array<std::pair<char, std::string_view>, 7>& values) {
  std::string text;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    if (pattern[i] == '{' && i + 2 < pattern.size() && pattern[i + 2] == '}') {
      bool replaced = false;
      for (const auto& [key, value] : values) {
        if (key == pattern[i + 1]) {
          text += value;
          replaced = true;
          break;
        }
      }
      if (replaced) {
        i += 2;
        continue;
      }
    }
    text += pattern[i];
  }
  return text;
}

}  // namespace

AspectFamily FamilyOf(AspectKind kind) {
  switch (AspectKindOf(kind).Tone) {
    case AspectTone::Conjunction: return AspectFamily::Conjunction;
    case AspectTone::Harmonious: return AspectFamily::Flowing;
    case AspectTone::Tense: break;
  }
  return AspectFamily::Tense;
}

std::string AspectText(ChartSlot male, ChartSlot female, AspectKind kind, std::string_view hisName,
                       std::string_view herName) {
  std::size_t his = PointIndex(male), hers = PointIndex(female);
  if (his >= Points || hers >= Points) return {};
  // The pair's first point is the earlier one; its owner's name goes first.
  const bool hisFirst = his <= hers;
  const std::size_t first = hisFirst ? his : hers, second = hisFirst ? hers : his;
  const std::string_view a = hisFirst ? hisName : herName, b = hisFirst ? herName : hisName;
  const std::string_view keynote = Keynotes[PairIndex(first, second)];
  const FamilySentences& family = Families[static_cast<std::size_t>(FamilyOf(kind))];
  const std::string capital = Capitalized(keynote);
  return Filled(first == second ? family.Same : family.Pair,
                {{{'A', a}, {'B', b}, {'a', Themes[first]}, {'b', Themes[second]}, {'k', keynote}, {'K', capital},
                  {'d', ""}}});
}

std::string OverlayText(ChartSlot point, int house, std::string_view owner, std::string_view host) {
  const std::size_t index = PointIndex(point);
  if (index >= OverlayPointCount || house < 1 || house > 12) return {};
  const std::size_t h = static_cast<std::size_t>(house - 1);
  const std::array<std::pair<char, std::string_view>, 7> values = {
      {{'A', owner}, {'B', host}, {'a', Themes[index]}, {'d', Fields[h]}, {'o', Ordinals[h]}, {'k', ""}, {'K', ""}}};
  return Filled("{A}'s {a} falls in {B}'s {o} house, the house of {d}. ", values) +
         Filled(OverlayEffects[index], values);
}

}  // namespace zentara
