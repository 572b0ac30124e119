#include "common/shown_text.h"

namespace zentara {

std::string ShownText(std::string_view text) {
  std::size_t characters = 0;
  for (std::size_t at = 0; at < text.size(); ++at) {
    const bool starts = (static_cast<unsigned char>(text[at]) & 0xC0) != 0x80;
    if ((starts && characters++ == ShownCharacters) || at == 4 * ShownCharacters) {
      return std::string(text.substr(0, at)) + "...";
    }
  }
  return std::string(text);
}

}  // namespace zentara
