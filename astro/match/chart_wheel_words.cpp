#include "astro/match/chart_wheel_words.h"

#include "astro/match/score_explanation.h"
#include "astro/match/synastry_texts.h"

namespace zentara {

namespace {

// "Sun at 22°26' Leo, Moon at 3°05' Capricorn" for the points of a ring.
std::string RingWords(const std::vector<WheelPoint>& ring) {
  std::string words;
  for (const WheelPoint& point : ring) {
    if (!words.empty()) words += ", ";
    const SlotPosition& at = point.Position;
    words += std::string(SlotWords[point.Slot]) + " at " + std::to_string(at.Degrees) + "°" +
             (at.Minutes < 10 ? "0" : "") + std::to_string(at.Minutes) + "' " + std::string(SignNames[at.Sign]);
  }
  return words.empty() ? "no readable positions" : words;
}

std::string Count(std::size_t count, const char* one, const char* many) {
  return std::to_string(count) + " " + (count == 1 ? one : many);
}

}  // namespace

std::string ChartWheelName(const ChartWheel& wheel) {
  return wheel.Title.empty() ? "Chart wheel" : wheel.Title + " chart wheel";
}

std::string ChartWheelWords(const ChartWheel& wheel) {
  std::string words;
  if (wheel.Title.empty()) {
    words = "Chart wheel of two charts: the male chart on the inner ring, the female chart on the outer ring. Male: " +
            RingWords(wheel.Male) + ". Female: " + RingWords(wheel.Female) + ".";
  } else {
    words = ChartWheelName(wheel) + ": " + RingWords(wheel.Male) + ".";
  }
  if (wheel.Houses) {
    words += " Cusps ";
    if (wheel.Title.empty()) words += wheel.Houses->Of == Partner::Male ? "of the male chart " : "of the female chart ";
    words += "in " + std::string(HouseSystemTitle(wheel.Houses->System)) + " houses.";
  }
  words += " " + Count(wheel.Aspects.size(), "aspect", "aspects") +
           (wheel.Title.empty() ? " between the charts." : " within the chart.");
  return words;
}

}  // namespace zentara
