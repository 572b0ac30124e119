#include "astro/match/aspect_texts.h"

namespace zentara {
namespace {

constexpr int MinutesPerDegree = 60;

std::string TwoDigits(int value) {
  return std::string(1, static_cast<char>('0' + value / 10)) + static_cast<char>('0' + value % 10);
}

}  // namespace

std::string SeparationText(int minutes) {
  return std::to_string(minutes / MinutesPerDegree) + "\u00B0" + TwoDigits(minutes % MinutesPerDegree) + "'";
}

std::string DecimalDegreesText(int minutes) {
  // Hundredths of a degree, rounded: minutes x 100 / 60 = 5 m / 3, whose
  // fraction is a third or two, never a half.
  const int hundredths = (5 * minutes + 1) / 3;
  return std::to_string(hundredths / 100) + "." + TwoDigits(hundredths % 100);
}

std::string AspectSentence(const Aspect& aspect) {
  return std::string(SlotWords[aspect.Male]) + " " + std::string(AspectKindOf(aspect.Kind).Name) + " " +
         std::string(SlotWords[aspect.Female]) + ", " + SeparationText(aspect.SeparationMinutes) + " from exact";
}

std::string AspectKeyText(const Aspect& aspect) {
  std::string text;
  AppendAspectList({aspect}, text);
  return text;
}

void AppendAspectList(const std::vector<Aspect>& aspects, std::string& out) {
  for (std::size_t i = 0; i < aspects.size(); ++i) {
    const Aspect& aspect = aspects[i];
    if (i > 0) out += "; ";
    out.append(SlotKeys[aspect.Male]).append("-").append(AspectKindOf(aspect.Kind).Name).append("-");
    out.append(SlotKeys[aspect.Female]).append(" ").append(DecimalDegreesText(aspect.SeparationMinutes));
  }
}

}  // namespace zentara
