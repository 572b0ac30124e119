#include "book/ranking.h"

#include <algorithm>
#include <tuple>

#include "astro/match/astro_match.h"
#include "book/person_entries.h"

namespace zentara::book {

Partner FrameTaken(Frame frame) { return frame == Frame::Female ? Partner::Female : Partner::Male; }

bool FirstIsMale(Frame first, Frame second) {
  if (first == Frame::Female && second != Frame::Female) return false;
  if (second == Frame::Male && first != Frame::Male) return false;
  return true;
}

namespace {

// Why a person without a chart cannot be matched: the book's own reason, or
// else the first of the astro form's checks that their entries fail.
std::string WhyUnmatched(const Person& person) {
  if (auto why = WhyNoAstroMatch(person)) return *why;
  const AstroPartnerEntries side = AstroSide(person);
  if (const auto failure = CheckAstroEntries(AstroEntries{side, side})) {
    return DisplayName(person) + ": " + std::string(failure->Message);
  }
  return DisplayName(person) + " cannot be matched";
}

// What orders a partner: the score's Percentage and P * H, then the place in
// the list, which is in name (folded) then id order.
struct Candidate {
  std::int32_t percentage = 0, ph = 0;
  std::uint32_t listPlace = 0;
};

bool Before(const Candidate& a, const Candidate& b) {
  return std::tuple(b.percentage, b.ph, a.listPlace) < std::tuple(a.percentage, a.ph, b.listPlace);
}

}  // namespace

std::optional<Ranking> RankPartners(Book& book, std::int64_t id, std::string& problem, std::size_t top) {
  const std::vector<RankEntry> people = book.RankEntries();
  const auto subject = std::find_if(people.begin(), people.end(), [id](const RankEntry& p) { return p.id == id; });
  const std::optional<Person> person = subject == people.end() ? std::nullopt : book.Get(id);
  if (!person) {
    problem = "no person has the id " + std::to_string(id);
    return std::nullopt;
  }
  if (!subject->moonDegrees) {
    problem = WhyUnmatched(*person);
    return std::nullopt;
  }
  Ranking ranking;
  ranking.id = id;
  ranking.name = DisplayName(*person);
  ranking.frame = FrameTaken(person->frame);
  const bool subjectMale = ranking.frame == Partner::Male;
  const int own = *subject->moonDegrees;
  const auto scoreWith = [own, subjectMale](int other) {
    return subjectMale ? ScoreMoonDegrees(own, other) : ScoreMoonDegrees(other, own);
  };

  std::vector<Candidate> candidates;
  candidates.reserve(people.size());
  std::vector<std::int64_t> unranked;  // in list order
  for (std::size_t at = 0; at < people.size(); ++at) {
    const RankEntry& other = people[at];
    if (other.id == id) continue;
    if (!other.moonDegrees) {
      unranked.push_back(other.id);
      continue;
    }
    const CompatibilityScore score = scoreWith(*other.moonDegrees);
    candidates.push_back({score.Percentage, score.PH, static_cast<std::uint32_t>(at)});
  }
  const std::size_t shown = top == 0 ? candidates.size() : std::min(top, candidates.size());
  if (shown == candidates.size()) {
    std::sort(candidates.begin(), candidates.end(), Before);
  } else {
    std::partial_sort(candidates.begin(), candidates.begin() + static_cast<std::ptrdiff_t>(shown), candidates.end(), Before);
    candidates.resize(shown);
  }

  std::vector<std::int64_t> ids;
  ids.reserve(shown);
  for (const Candidate& c : candidates) ids.push_back(people[c.listPlace].id);
  std::vector<std::string> names = book.DisplayNames(ids);
  ranking.ranked.reserve(shown);
  for (std::size_t at = 0; at < shown; ++at) {
    const RankEntry& partner = people[candidates[at].listPlace];
    ranking.ranked.push_back({partner.id, std::move(names[at]), scoreWith(*partner.moonDegrees)});
  }

  for (const std::int64_t other : unranked) {
    const auto kept = book.Get(other);
    if (kept) ranking.unranked.push_back({other, DisplayName(*kept), WhyUnmatched(*kept)});
  }
  return ranking;
}

}  // namespace zentara::book
