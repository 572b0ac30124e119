// What the astro entry form's text boxes let the user type. Names and places
// take letters and spaces; the coordinate boxes take digits. The rules are the
// same for a key typed and for a text pasted or dropped into a box.
#pragma once
#include <string_view>

namespace zentara {

enum class KeyFilter { Letters, Digits };

// Key codes 8 (backspace) and 127 (delete) are editing keys every box takes.
inline constexpr int BackspaceKey = 8;
inline constexpr int DeleteKey = 127;

// A key typed: Letters takes 65..90 (A-Z), 97..122 (a-z) and 32 (space);
// Digits takes 48..57; both take 8 and 127. Every other code is refused.
bool KeyAccepted(KeyFilter filter, int keyCode);

// A text put into a box at once (pasted, dropped): every character must be
// one the filter takes as a key. The editing keys 8 and 127 are no characters
// a text may hold, and any byte of a non-ASCII character is refused.
bool TextAccepted(KeyFilter filter, std::string_view utf8Text);

// The message shown when a key or a text is refused.
std::string_view RefusalMessage(KeyFilter filter);

// Whether the focus is put back on the box after the message (letters boxes do).
bool RefusalRefocuses(KeyFilter filter);

}  // namespace zentara
