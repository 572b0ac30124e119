// The saved-reading file (".kvz"): the twelve numerology entries behind a
// reading, one a line, each shifted by ScrambleField and ended by CR LF, in the
// Windows-1252 code page. There is no header and no reading text: opening the
// file puts the entries back and makes the reading again.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

#include "numerology/numerology_entries.h"

namespace zentara {

inline constexpr std::size_t SavedReadingLineCount = 12;
inline constexpr std::string_view SavedReadingExtension = "kvz";

// The longest entry a file keeps, in bytes of a line: a name box holds no more
// characters (each stored as one byte), and bounding the line bounds what a
// reader must take in.
inline constexpr std::size_t MaxSavedEntryBytes = MaxNameLength;
// What a reader needs of a file at most: twelve longest lines and their breaks.
// Anything after that cannot change the entries, so it is never read.
inline constexpr std::size_t MaxSavedReadingBytes = SavedReadingLineCount * (MaxSavedEntryBytes + 2);

// The file's bytes for `entries` (UTF-8 texts), lines in the order of
// NumerologyEntries: the six names, then each partner's month, day and year.
// A character Windows-1252 lacks is stored as "?"; one whose code is above 170
// has no room for the shift and is left out.
std::string EncodeSavedReading(const NumerologyEntries& entries);

// The entries (UTF-8) of a file's bytes, whatever they are. A line ends at CR LF,
// at a lone CR or at a lone LF; a missing line is an empty entry; lines after the
// twelfth are ignored; a line longer than MaxSavedEntryBytes keeps its first
// MaxSavedEntryBytes bytes. Bytes that ScrambleField cannot have written (codes
// below 85: NUL, controls...) are left out.
NumerologyEntries DecodeSavedReading(std::string_view bytes);

// Whether a chosen path ends in exactly "kvz" (lower case), the one test a file
// must pass before it is read.
bool HasSavedReadingEnding(std::string_view path);

// `path` with "." + `extension` appended when its file name has no extension
// ("reading" gives "reading.kvz"; "reading.txt" and "dir.d/reading.kvz" stay).
std::string WithDefaultExtension(std::string_view path, std::string_view extension);

}  // namespace zentara
