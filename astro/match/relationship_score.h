// A second score of a couple, beside the four figures and never in their
// stead: the relationship score of Ciro Discepolo's method, as the open
// astrology library Kerykeion documents it (kerykeion.net, "Relationship Score
// Factory"). It counts points for a few contacts between the two charts:
//   +5   the two Suns in signs of the same quality (cardinal, fixed, mutable);
//   +8   the Suns in conjunction, opposition or square, +11 within 2 degrees;
//   +8   a Sun in conjunction with the other's Moon, +11 within 2 degrees;
//   +4   every other aspect between the Suns or between a Sun and the other's
//        Moon, and every aspect of a Sun or a Moon with the other's ascendant
//        and of a Venus with the other's Mars;
// each contact both ways (his Sun and her Moon, her Sun and his Moon). The
// aspects are the five major ones with orbs of 10 degrees (conjunction,
// opposition), 8 (trine), 6 (sextile) and 5 (square), measured as the report
// shows the positions, to the minute.
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "astro/engine/birth_moment.h"

namespace zentara {

struct ScoreRule {
  std::string Rule;  // "His Sun conjunction her Moon, 1°12' from exact"
  int Points = 0;
};

struct RelationshipScore {
  int Value = 0;
  std::string_view Label;  // RelationshipScoreLabel(Value)
  std::vector<ScoreRule> Breakdown;  // each rule that gave points, in the order above
};

// "Minimal" below 5, "Medium" 5 to 9, "Important" 10 to 14, "Very Important"
// 15 to 19, "Exceptional" 20 to 29, "Rare Exceptional" from 30.
std::string_view RelationshipScoreLabel(int value);

// The score of two charts as the report shows them; a position whose text
// cannot be read gives no points.
RelationshipScore ScoreRelationship(const ChartPositions& male, const ChartPositions& female);

}  // namespace zentara
