#include "astro/match/synastry_texts.h"

#include <algorithm>
#include <charconv>
#include <cstring>

namespace zentara {
namespace {

constexpr int MinutesPerDegree = 60;

std::string TwoDigits(int value) {
  return std::string(1, static_cast<char>('0' + value / 10)) + static_cast<char>('0' + value % 10);
}

// Writes "1.20" for 72 arc-minutes at `out` and returns its end.
char* WriteDecimalDegrees(int minutes, char* out) {
  // Hundredths of a degree, rounded: minutes x 100 / 60 = 5 m / 3, whose
  // fraction is a third or two, never a half.
  const int hundredths = (5 * minutes + 1) / 3;
  out = std::to_chars(out, out + 12, hundredths / 100).ptr;
  *out++ = '.';
  *out++ = static_cast<char>('0' + hundredths % 100 / 10);
  *out++ = static_cast<char>('0' + hundredths % 10);
  return out;
}

char* WriteText(std::string_view text, char* out) { return std::copy(text.begin(), text.end(), out); }

// Every separation an orb allows (0 to LargestAspectOrb degrees, by the
// arc-minute) as WriteDecimalDegrees writes it, padded to 8 bytes, with its
// length: a batch writes its aspects' separations by copying these.
struct DecimalText {
  std::array<char, 8> Bytes{};
  std::size_t Size = 0;
};
constexpr std::size_t SeparationCount = LargestAspectOrb * MinutesPerDegree + 1;
const std::array<DecimalText, SeparationCount> DecimalTexts = [] {
  std::array<DecimalText, SeparationCount> texts{};
  for (std::size_t minutes = 0; minutes < SeparationCount; ++minutes) {
    texts[minutes].Size = static_cast<std::size_t>(
        WriteDecimalDegrees(static_cast<int>(minutes), texts[minutes].Bytes.data()) - texts[minutes].Bytes.data());
  }
  return texts;
}();

char* WriteSeparation(int minutes, char* out) {
  if (minutes < 0 || static_cast<std::size_t>(minutes) >= SeparationCount) return WriteDecimalDegrees(minutes, out);
  const DecimalText& text = DecimalTexts[static_cast<std::size_t>(minutes)];
  std::memcpy(out, text.Bytes.data(), text.Bytes.size());
  return out + text.Size;
}

// Names padded with zero bytes to a fixed width, so that each is copied as one
// block of known size, whatever its length; the bytes past the name are
// written over by what follows.
template <std::size_t Width>
struct PaddedName {
  std::array<char, Width> Bytes{};
  std::size_t Size = 0;
};
template <std::size_t Width, std::size_t Count>
constexpr std::array<PaddedName<Width>, Count> Padded(const std::array<std::string_view, Count>& names) {
  std::array<PaddedName<Width>, Count> padded{};
  for (std::size_t i = 0; i < Count; ++i) {
    std::copy(names[i].begin(), names[i].end(), padded[i].Bytes.begin());
    padded[i].Size = names[i].size();
  }
  return padded;
}
constexpr auto PaddedSlotKeys = Padded<8>(SlotKeys);
constexpr auto PaddedKindNames = Padded<16>([] {
  std::array<std::string_view, AspectKinds.size()> names;
  for (std::size_t i = 0; i < names.size(); ++i) names[i] = AspectKinds[i].Name;
  return names;
}());

template <std::size_t Width>
char* WritePadded(const PaddedName<Width>& name, char* out) {
  std::memcpy(out, name.Bytes.data(), Width);
  return out + name.Size;
}

}  // namespace

std::string SeparationText(int minutes) {
  return std::to_string(minutes / MinutesPerDegree) + "\u00B0" + TwoDigits(minutes % MinutesPerDegree) + "'";
}

std::string DecimalDegreesText(int minutes) {
  char text[16];
  return std::string(text, WriteDecimalDegrees(minutes, text));
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
  const std::size_t start = out.size();
  out.resize(start + MaxAspectListSize(aspects.size()));
  out.resize(static_cast<std::size_t>(WriteAspectList(aspects, out.data() + start) - out.data()));
}

char* WriteAspectList(const std::vector<Aspect>& aspects, char* out) {
  for (std::size_t i = 0; i < aspects.size(); ++i) {
    const Aspect& aspect = aspects[i];
    if (i > 0) out = WriteText("; ", out);
    out = WritePadded(PaddedSlotKeys[aspect.Male], out);
    *out++ = '-';
    out = WritePadded(PaddedKindNames[static_cast<std::size_t>(aspect.Kind)], out);
    *out++ = '-';
    out = WritePadded(PaddedSlotKeys[aspect.Female], out);
    *out++ = ' ';
    out = WriteSeparation(aspect.SeparationMinutes, out);
  }
  return out;
}

}  // namespace zentara
