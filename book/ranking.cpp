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
// the list, which is in name (folded) then id order. The partner's Moon gives
// the rest of the score again when the partner is handed on. 24 bytes.
struct Candidate {
  std::int32_t percentage = 0, ph = 0;
  std::uint32_t listPlace = 0;
  std::int8_t moon = 0;
  std::int64_t id = 0;
};

bool Before(const Candidate& a, const Candidate& b) {
  return std::tuple(b.percentage, b.ph, a.listPlace) < std::tuple(a.percentage, a.ph, b.listPlace);
}

// Names are looked up this many partners at a time.
constexpr std::size_t NamedAtOnce = 2000;

}  // namespace

bool RankPartnersInTurn(Book& book, std::int64_t id, std::string& problem, std::size_t top,
                        const std::function<void(const RankingHeading&)>& heading,
                        const std::function<void(std::size_t rank, const RankedPartner&)>& ranked,
                        const std::function<void(const UnrankedPerson&)>& unranked) {
  const std::optional<Person> person = book.Get(id);
  const std::optional<RankEntry> subject = person ? book.RankEntryOf(id) : std::nullopt;
  if (!subject) {
    problem = "no person has the id " + std::to_string(id);
    return false;
  }
  if (!subject->moonDegrees) {
    problem = WhyUnmatched(*person);
    return false;
  }
  const bool subjectMale = FrameTaken(person->frame) == Partner::Male;
  const int own = *subject->moonDegrees;
  const auto scoreWith = [own, subjectMale](int other) {
    return subjectMale ? ScoreMoonDegrees(own, other) : ScoreMoonDegrees(other, own);
  };

  // With `top`, the best so far as a heap whose top is the worst of them.
  std::vector<Candidate> candidates;
  std::vector<std::int64_t> unrankedIds;  // in list order
  book.ForEachRankEntry([&](const RankEntry& entry, std::uint32_t listPlace) {
    if (entry.id == id) return;
    if (!entry.moonDegrees) {
      unrankedIds.push_back(entry.id);
      return;
    }
    const CompatibilityScore score = scoreWith(*entry.moonDegrees);
    const Candidate candidate{score.Percentage, score.PH, listPlace, static_cast<std::int8_t>(*entry.moonDegrees),
                              entry.id};
    if (top == 0) {
      candidates.push_back(candidate);
    } else if (candidates.size() < top) {
      candidates.push_back(candidate);
      std::push_heap(candidates.begin(), candidates.end(), Before);
    } else if (Before(candidate, candidates.front())) {
      std::pop_heap(candidates.begin(), candidates.end(), Before);
      candidates.back() = candidate;
      std::push_heap(candidates.begin(), candidates.end(), Before);
    }
  });
  if (top == 0) {
    std::sort(candidates.begin(), candidates.end(), Before);
  } else {
    std::sort_heap(candidates.begin(), candidates.end(), Before);
  }

  heading({id, DisplayName(*person), subjectMale ? Partner::Male : Partner::Female});
  std::vector<std::int64_t> ids;
  for (std::size_t from = 0; from < candidates.size(); from += NamedAtOnce) {
    const std::size_t to = std::min(candidates.size(), from + NamedAtOnce);
    ids.clear();
    for (std::size_t at = from; at < to; ++at) ids.push_back(candidates[at].id);
    std::vector<std::string> names = book.DisplayNames(ids);
    for (std::size_t at = from; at < to; ++at) {
      ranked(at + 1, {candidates[at].id, std::move(names[at - from]), scoreWith(candidates[at].moon)});
    }
  }
  for (const std::int64_t other : unrankedIds) {
    if (const auto kept = book.Get(other)) unranked({other, DisplayName(*kept), WhyUnmatched(*kept)});
  }
  return true;
}

std::optional<Ranking> RankPartners(Book& book, std::int64_t id, std::string& problem, std::size_t top) {
  Ranking ranking;
  const bool made = RankPartnersInTurn(
      book, id, problem, top,
      [&ranking](const RankingHeading& heading) {
        ranking.id = heading.id;
        ranking.name = heading.name;
        ranking.frame = heading.frame;
      },
      [&ranking](std::size_t, const RankedPartner& partner) { ranking.ranked.push_back(partner); },
      [&ranking](const UnrankedPerson& person) { ranking.unranked.push_back(person); });
  if (!made) return std::nullopt;
  return ranking;
}

}  // namespace zentara::book
