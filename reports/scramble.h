// The fixed character shift that hides the entries of a saved reading and the
// update reminder's setting from a casual reader. Both functions work on
// Windows-1252 bytes (see reports/ansi_codepage.h).
#pragma once
#include <string>
#include <string_view>

namespace zentara {

// Adds 85 to the code of every character. A character whose code is above 170
// has no room for the shift and is left out, so every stored byte is at least 85
// and none can be a line break.
std::string ScrambleField(std::string_view text);

// Takes 85 from the code of every character; a character below 85 cannot come
// from ScrambleField and is left out.
std::string UnscrambleField(std::string_view text);

// The same for a UTF-8 text (the forms' texts, the settings' values): the text
// goes through the Windows-1252 code page, where the shift is defined, and
// back; a character that code page lacks is left out.
std::string ScrambleUtf8(std::string_view utf8);
std::string UnscrambleUtf8(std::string_view utf8);

}  // namespace zentara
