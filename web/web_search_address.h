// The web search the latitude/longitude look-up shows: a search address with
// the place's search text appended, percent-encoded.
#pragma once
#include <string>
#include <string_view>

namespace zentara {

// `text` with every byte outside A-Z, a-z, 0-9 and "-._~" written as "%XX"
// (capital hex), so a space becomes "%20" (RFC 3986 unreserved characters).
std::string PercentEncode(std::string_view text);

// `searchBase` (an address ending in its query parameter, such as
// "https://www.google.com/search?q=") followed by the encoded search text.
std::string PlaceSearchAddress(std::string_view searchBase, std::string_view searchText);

}  // namespace zentara
