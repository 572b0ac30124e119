#include "astro/match/chart_wheel_words.h"

#include "astro/match/score_explanation.h"
#include "astro/match/synastry_texts.h"
#include "common/translatable.h"

namespace zentara {

namespace {

// One sentence a point: "Sun at 22°26' Leo."; the point and the sign are
// translated on their own.
void AddRing(std::vector<Sentence>& sentences, const std::vector<WheelPoint>& ring) {
  if (ring.empty()) sentences.push_back({QT_TRANSLATE_NOOP("WheelWords", "No readable positions."), nullptr, -1, {}});
  for (const WheelPoint& point : ring) {
    const SlotPosition& at = point.Position;
    const std::string angle = std::to_string(at.Degrees) + "°" + (at.Minutes < 10 ? "0" : "") +
                              std::to_string(at.Minutes) + "'";
    sentences.push_back({QT_TRANSLATE_NOOP("WheelWords", "%1 at %2 %3."), nullptr, -1,
                         {std::string(SlotWords[point.Slot]), angle, std::string(SignNames[at.Sign])},
                         {"Points", nullptr, "Signs"}});
  }
}

}  // namespace

Sentence ChartWheelName(const ChartWheel& wheel) {
  if (wheel.Title.empty()) return {QT_TRANSLATE_NOOP("WheelWords", "Chart wheel"), nullptr, -1, {}};
  return {QT_TRANSLATE_NOOP("WheelWords", "%1 chart wheel"), nullptr, -1, {wheel.Title}, {"RelationshipView"}};
}

std::vector<Sentence> ChartWheelWords(const ChartWheel& wheel) {
  std::vector<Sentence> sentences;
  const bool couple = wheel.Title.empty();
  if (couple) {
    sentences.push_back({QT_TRANSLATE_NOOP("WheelWords",
                                           "Chart wheel of two charts: the male chart on the inner ring, the female "
                                           "chart on the outer ring."),
                         nullptr, -1, {}});
    sentences.push_back({QT_TRANSLATE_NOOP("WheelWords", "Male chart:"), nullptr, -1, {}});
    AddRing(sentences, wheel.Male);
    sentences.push_back({QT_TRANSLATE_NOOP("WheelWords", "Female chart:"), nullptr, -1, {}});
    AddRing(sentences, wheel.Female);
  } else {
    sentences.push_back({QT_TRANSLATE_NOOP("WheelWords", "%1 chart:"), nullptr, -1, {wheel.Title}, {"RelationshipView"}});
    AddRing(sentences, wheel.Male);
  }
  if (wheel.Houses) {
    const std::string system(HouseSystemTitle(wheel.Houses->System));
    const char* format = !couple ? QT_TRANSLATE_NOOP("WheelWords", "Cusps in %1 houses.")
                         : wheel.Houses->Of == Partner::Male
                             ? QT_TRANSLATE_NOOP("WheelWords", "Cusps of the male chart in %1 houses.")
                             : QT_TRANSLATE_NOOP("WheelWords", "Cusps of the female chart in %1 houses.");
    sentences.push_back({format, nullptr, -1, {system}});
  }
  const int aspects = static_cast<int>(wheel.Aspects.size());
  if (couple) {
    sentences.push_back({QT_TRANSLATE_N_NOOP("WheelWords", "%n aspects between the charts."),
                         "%n aspect between the charts.", aspects, {}});
  } else {
    sentences.push_back({QT_TRANSLATE_N_NOOP("WheelWords", "%n aspects within the chart."),
                         "%n aspect within the chart.", aspects, {}});
  }
  return sentences;
}

}  // namespace zentara
