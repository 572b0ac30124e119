#include "book/ranking.h"

#include <algorithm>

#include "astro/match/astro_match.h"
#include "astro/places/fold_text.h"
#include "book/person_entries.h"

namespace zentara::book {

Partner FrameTaken(Frame frame) { return frame == Frame::Female ? Partner::Female : Partner::Male; }

bool FirstIsMale(Frame first, Frame second) {
  if (first == Frame::Female && second != Frame::Female) return false;
  if (second == Frame::Male && first != Frame::Male) return false;
  return true;
}

namespace {

// Why a person without a kept chart cannot be matched: the book's own reason,
// or else the first of the astro form's checks that their entries fail.
std::string WhyUnmatched(Book& book, std::int64_t id) {
  const auto person = book.Get(id);
  if (!person) return "is no longer in the book";
  if (auto why = WhyNoAstroMatch(*person)) return *why;
  const AstroPartnerEntries side = AstroSide(*person);
  if (const auto failure = CheckAstroEntries(AstroEntries{side, side})) {
    return DisplayName(*person) + ": " + std::string(failure->Message);
  }
  return DisplayName(*person) + " cannot be matched";
}

}  // namespace

std::optional<Ranking> RankPartners(Book& book, std::int64_t id, std::string& problem) {
  const std::vector<RankEntry> people = book.RankEntries();
  const auto subject = std::find_if(people.begin(), people.end(), [id](const RankEntry& p) { return p.id == id; });
  if (subject == people.end()) {
    problem = "no person has the id " + std::to_string(id);
    return std::nullopt;
  }
  if (!subject->moonDegrees) {
    problem = WhyUnmatched(book, id);
    return std::nullopt;
  }
  Ranking ranking;
  ranking.id = id;
  ranking.name = subject->name;
  ranking.frame = FrameTaken(subject->frame);
  const bool subjectMale = ranking.frame == Partner::Male;
  const int own = *subject->moonDegrees;

  std::vector<std::pair<const RankEntry*, RankedPartner>> ranked;  // with the entry, to order ties
  ranked.reserve(people.size());
  std::vector<const RankEntry*> unranked;
  for (const RankEntry& other : people) {
    if (other.id == id) continue;
    if (!other.moonDegrees) {
      unranked.push_back(&other);
      continue;
    }
    const CompatibilityScore score =
        subjectMale ? ScoreMoonDegrees(own, *other.moonDegrees) : ScoreMoonDegrees(*other.moonDegrees, own);
    ranked.push_back({&other, {other.id, {}, score}});
  }
  std::sort(ranked.begin(), ranked.end(), [](const auto& a, const auto& b) {
    if (a.second.score.Percentage != b.second.score.Percentage) {
      return a.second.score.Percentage > b.second.score.Percentage;
    }
    if (a.second.score.PH != b.second.score.PH) return a.second.score.PH > b.second.score.PH;
    if (a.first->sortKey != b.first->sortKey) return a.first->sortKey < b.first->sortKey;
    return a.second.id < b.second.id;
  });
  ranking.ranked.reserve(ranked.size());
  for (auto& [entry, partner] : ranked) {
    partner.name = entry->name;
    ranking.ranked.push_back(std::move(partner));
  }
  std::sort(unranked.begin(), unranked.end(), [](const RankEntry* a, const RankEntry* b) {
    return a->sortKey != b->sortKey ? a->sortKey < b->sortKey : a->id < b->id;
  });
  for (const RankEntry* other : unranked) ranking.unranked.push_back({other->id, other->name, WhyUnmatched(book, other->id)});
  return ranking;
}

}  // namespace zentara::book
