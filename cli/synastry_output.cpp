#include "cli/synastry_output.h"

#include <ostream>

#include "astro/match/synastry_texts.h"

namespace zentara::cli {

Json AspectsJson(const std::vector<Aspect>& aspects) {
  Json list = Json::array();
  for (const Aspect& aspect : aspects) {
    list.push_back({{"male", SlotKeys[aspect.Male]},
                    {"female", SlotKeys[aspect.Female]},
                    {"kind", AspectKindOf(aspect.Kind).Name},
                    {"angle", aspect.Angle},
                    {"separation", SeparationText(aspect.SeparationMinutes)},
                    {"orb", aspect.Orb}});
  }
  return list;
}

void WriteAspects(std::ostream& out, const std::vector<Aspect>& aspects) {
  out << "Aspects:\n";
  for (const Aspect& aspect : aspects) out << AspectSentence(aspect) << "\n";
}

}  // namespace zentara::cli
