// Conversion between UTF-8 text and the Windows-1252 ("ANSI") code page that the
// saved-reading file and the scrambled settings value are defined over.
//
// Every byte 0..255 has exactly one character, so a Windows-1252 text always
// survives a round trip through UTF-8: the five bytes the code page leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 control characters of
// the same number, as Windows itself converts them.
#pragma once
#include <string>
#include <string_view>

namespace zentara {

// UTF-8 to Windows-1252. A character the code page cannot hold, and every byte of
// a malformed UTF-8 sequence, becomes "?".
std::string Utf8ToAnsi(std::string_view utf8);

// Windows-1252 to UTF-8.
std::string AnsiToUtf8(std::string_view ansi);

}  // namespace zentara
