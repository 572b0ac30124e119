// A person's best partners in the book by the astro match: everyone else in
// the other frame, ranked by Percentage, then P * H, then name.
#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "astro/match/astro_date_check.h"
#include "astro/match/compatibility_score.h"
#include "book/book.h"

namespace zentara::book {

struct RankedPartner {
  std::int64_t id = 0;
  std::string name;
  CompatibilityScore score;  // with the person in their frame, the partner in the other
};

struct UnrankedPerson {
  std::int64_t id = 0;
  std::string name;
  std::string reason;  // why the astro match cannot take them
};

struct Ranking {
  std::int64_t id = 0;
  std::string name;
  Partner frame = Partner::Male;  // the frame the person takes: theirs, Male when not said
  std::vector<RankedPartner> ranked;  // best first
  std::vector<UnrankedPerson> unranked;  // in list order
};

// The frame a person takes in a match of their own: Female when they usually
// take it, otherwise Male.
Partner FrameTaken(Frame frame);

// Whether the first of two people chosen for a match takes the Male frame:
// each takes the frame they usually take; when that does not settle it (both
// the same, or neither said), the first is Male.
bool FirstIsMale(Frame first, Frame second);

// The ranking of person `id` against everyone else, from the charts the book
// keeps (each computed once, as a match computes it). Nothing, and why in
// `problem`, when there is no such person or the astro match cannot take them.
// Ties in Percentage go to the higher P * H, then by name (folded), then by id.
// With `top` above 0 only the best `top` partners are listed (and only their
// names read); the unranked are always all listed.
std::optional<Ranking> RankPartners(Book& book, std::int64_t id, std::string& problem, std::size_t top = 0);

// The same ranking handed on as it is made, so memory grows by a few bytes a
// partner at most (and not with the book at all with `top`): the heading,
// then each partner with their rank (from 1), then each person not ranked.
// False, with why in `problem`, when there is no such person or the astro
// match cannot take them (nothing is handed on then).
struct RankingHeading {
  std::int64_t id = 0;
  std::string name;
  Partner frame = Partner::Male;
};
bool RankPartnersInTurn(Book& book, std::int64_t id, std::string& problem, std::size_t top,
                        const std::function<void(const RankingHeading&)>& heading,
                        const std::function<void(std::size_t rank, const RankedPartner&)>& ranked,
                        const std::function<void(const UnrankedPerson&)>& unranked);

}  // namespace zentara::book
