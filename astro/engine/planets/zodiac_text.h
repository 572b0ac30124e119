// The two text forms of a zodiac position, shared by the planetary and the
// lunar engine.
#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace zentara::modPlanetPosition_Western {

// The twelve three-letter sign keys in zodiac order, Aries first.
inline constexpr std::string_view SignKeys = "AriTauGemCanLeoVirLibScoSagCapAquPis";

// A longitude in degrees (0 to under 360; the sign of the value is dropped) as
// whole degrees within the sign, "° ", whole arc-minutes, "' ", whole
// arc-seconds, a quotation mark and a space, then the sign key: 15.5 gives
// 15° 30' 0" Ari. Minutes and seconds are cut, never rounded. The degree sign is
// UTF-8. A value of 360 or more gets no key. A value that is not a number, or
// whose size is a million degrees or more, gives the empty text; the engines
// never produce one.
std::string FormatZodiacPosition(double longitude);

// A zodiac position text as a slot text: two-digit degrees, a space, the sign
// key, a space and two-digit arc-minutes, without seconds: the text of
// 5° 7' 9" Tau gives "05 Tau 07". Degrees are the text before the first "°",
// minutes the text between it and the first "'", and the key the last three
// characters, each trimmed; one digit gets a leading "0".
std::string FormatSlotText(std::string_view position);

// The slot text of a longitude from 0 to under 360 degrees, straight from the
// number: the same text as FormatSlotText(FormatZodiacPosition(longitude)),
// cut the same way, without the trip through the longer text. For the house
// cusps, two dozen a couple in a batch.
std::string SlotTextOfLongitude(double longitude);

// The same text written at `out`, which has room for SlotTextBytes; returns
// where it ends. A longitude outside 0 to under 360 writes nothing.
inline constexpr std::size_t SlotTextBytes = 9;
char* WriteSlotTextOfLongitude(char* out, double longitude);

// The whole arc-minutes of a longitude from 0 to under 360 degrees, cut as its
// texts cut them: 60 x whole degrees + whole minutes of the rest (0 for a
// value outside that range or not a number).
int CutArcMinutes(double longitude);

}  // namespace zentara::modPlanetPosition_Western

namespace zentara {

// A slot text ("05 Leo 07") read back, as the scoring, the aspects and the
// wheel read the charts: the sign (0 Aries to 11 Pisces), degrees
// and minutes within it, and the ecliptic longitude they make.
struct SlotPosition {
  int Sign = 0;
  int Degrees = 0;
  int Minutes = 0;
  double Longitude = 0;  // degrees, 0 to under 360
};

// Degrees (0 to 29), the three-letter sign key and minutes (0 to 59), separated
// by spaces; one or two digits each. Nothing for an empty or malformed text.
std::optional<SlotPosition> ReadSlotText(std::string_view text);

}  // namespace zentara
