#include "astro/places/fold_text.h"

#include <unicode/bytestream.h>
#include <unicode/normalizer2.h>
#include <unicode/uchar.h>
#include <unicode/utf8.h>

#include <algorithm>
#include <array>
#include <climits>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <optional>

namespace zentara::places {

namespace {

// What each character folds to, one row for each result. The Latin rows are the
// letters with strokes, hooks and ligatures that have no Unicode decomposition
// (those that have one lose their marks before the table is consulted), spelt
// as the languages that use them transliterate them.
struct FoldRow {
  std::string_view folded;
  std::string_view characters;  // UTF-8
};

constexpr FoldRow FoldRows[] = {
    {"a", "Ⱥẚ"},
    {"ae", "Ææ"},
    {"b", "ƀƁƂƃɃ"},
    {"c", "ƇƈȻȼ"},
    {"d", "ÐðĐđƉƊƋƌȡẟ"},
    {"dz", "ǄǅǆǱǲǳ"},
    {"e", "ƎǝƏəƐɛɆɇ"},
    {"f", "Ƒƒ"},
    {"g", "ƓǤǥ"},
    {"h", "Ħħ"},
    {"i", "ıƗ"},
    {"ij", "Ĳĳ"},
    {"j", "ȷɈɉ"},
    {"k", "ĸƘƙ"},
    {"l", "ĿŀŁłƚȴȽ"},
    {"lj", "Ǉǈǉ"},
    {"ll", "Ỻỻ"},
    {"n", "ŉŊŋƝƞȵ"},
    {"nj", "Ǌǋǌ"},
    {"o", "ØøƆɔƟ"},
    {"oe", "Œœ"},
    {"p", "Ƥƥ"},
    {"q", "Ɋɋ"},
    {"r", "Ɍɍ"},
    {"s", "ſȿẜẝ"},
    {"ss", "ßẞ"},
    {"t", "ŦŧƫƬƭƮȶȾ"},
    {"th", "Þþ"},
    {"u", "Ʉ"},
    {"v", "Ʋ"},
    {"y", "ƳƴɎɏ"},
    {"z", "ƵƶȤȥɀ"},
    {" ", "-\u00a0\u2010\u2011\u2012\u2013\u2014"},                         // word separators
    {"", "'.`\u02b9\u02bb\u02bc\u02bd\u02be\u02bf\u2018\u2019"},             // apostrophes and marks
};

// Reads one UTF-8 character at `at` and moves past it; nothing (and one byte
// skipped) for a byte that does not start a well-formed character.
constexpr std::optional<char32_t> ReadCharacter(std::string_view text, std::size_t& at) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(at);
  std::size_t length = lead < 0x80 ? 1 : lead >= 0xC2 && lead < 0xE0 ? 2 : lead >= 0xE0 && lead < 0xF0 ? 3
                                       : lead >= 0xF0 && lead < 0xF5 ? 4 : 0;
  if (length == 0 || at + length > text.size()) {
    ++at;
    return std::nullopt;
  }
  char32_t code = length == 1 ? lead : lead & (0x7F >> length);
  for (std::size_t i = 1; i < length; ++i) {
    if ((byte(at + i) & 0xC0) != 0x80) {
      ++at;
      return std::nullopt;
    }
    code = (code << 6) | (byte(at + i) & 0x3F);
  }
  const bool overlong = (length == 3 && code < 0x800) || (length == 4 && code < 0x10000);
  if (overlong || code > 0x10FFFF || (code >= 0xD800 && code < 0xE000)) {
    ++at;
    return std::nullopt;
  }
  at += length;
  return code;
}

struct Folding {
  char32_t character;
  std::string_view folded;
};

constexpr std::size_t FoldingCount() {
  std::size_t count = 0;
  for (const FoldRow& row : FoldRows) {
    for (std::size_t at = 0; at < row.characters.size();) count += ReadCharacter(row.characters, at) ? 1 : 0;
  }
  return count;
}

// Every folded character with its result, sorted by character for a binary search.
constexpr auto Foldings = [] {
  std::array<Folding, FoldingCount()> foldings{};
  std::size_t next = 0;
  for (const FoldRow& row : FoldRows) {
    for (std::size_t at = 0; at < row.characters.size();) {
      if (const auto character = ReadCharacter(row.characters, at)) foldings[next++] = {*character, row.folded};
    }
  }
  std::sort(foldings.begin(), foldings.end(),
            [](const Folding& a, const Folding& b) { return a.character < b.character; });
  return foldings;
}();

static_assert(std::adjacent_find(Foldings.begin(), Foldings.end(), [](const Folding& a, const Folding& b) {
                return a.character == b.character;
              }) == Foldings.end(), "a character stands in two rows");

const Folding* FindFolding(char32_t character) {
  const auto found = std::lower_bound(Foldings.begin(), Foldings.end(), character,
                                      [](const Folding& f, char32_t c) { return f.character < c; });
  return found != Foldings.end() && found->character == character ? &*found : nullptr;
}

// The blocks of combining diacritical marks (accents, cedillas, tonos, breves...),
// which a name is searched without whatever letter, of whatever script, they
// stand on. Marks that are letters' parts in other scripts (vowel signs,
// viramas, dakuten) are kept.
struct CodeRange {
  char32_t first, last;
};
constexpr CodeRange DiacriticalMarks[] = {
    {0x0300, 0x036F},  // Combining Diacritical Marks
    {0x1AB0, 0x1AFF},  // Combining Diacritical Marks Extended
    {0x1DC0, 0x1DFF},  // Combining Diacritical Marks Supplement
    {0x20D0, 0x20FF},  // Combining Diacritical Marks for Symbols
    {0xFE20, 0xFE2F},  // Combining Half Marks
};

bool IsDiacriticalMark(char32_t character) {
  return std::any_of(std::begin(DiacriticalMarks), std::end(DiacriticalMarks),
                     [&](const CodeRange& range) { return character >= range.first && character <= range.last; });
}

void AppendCharacter(std::string& out, char32_t character) {
  char bytes[U8_MAX_LENGTH];
  std::int32_t length = 0;
  UBool failed = false;
  U8_APPEND(bytes, length, U8_MAX_LENGTH, static_cast<UChar32>(character), failed);
  if (!failed) out.append(bytes, static_cast<std::size_t>(length));
}

// `text` (well-formed UTF-8) in a Unicode normalization form; as it is should
// the normalizer fail.
std::string Normalized(const icu::Normalizer2* (*form)(UErrorCode&), const std::string& text) {
  UErrorCode status = U_ZERO_ERROR;
  const icu::Normalizer2* normalizer = form(status);
  if (U_FAILURE(status) || text.size() > static_cast<std::size_t>(INT32_MAX)) return text;
  std::string out;
  icu::StringByteSink<std::string> sink(&out, static_cast<std::int32_t>(text.size()));
  normalizer->normalizeUTF8(0, icu::StringPiece(text.data(), static_cast<std::int32_t>(text.size())), sink, nullptr,
                            status);
  return U_SUCCESS(status) ? out : text;
}

// The well-formed characters of `text`, decomposed (NFD) and without their
// diacritical marks, then composed again (NFC, which joins Hangul jamo and
// kana with their voicing marks as before).
std::string WithoutDiacriticalMarks(std::string_view text) {
  std::string wellFormed;
  wellFormed.reserve(text.size());
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t start = at;
    if (ReadCharacter(text, at)) wellFormed.append(text.substr(start, at - start));
  }
  const bool ascii = std::all_of(wellFormed.begin(), wellFormed.end(),
                                 [](char c) { return static_cast<unsigned char>(c) < 0x80; });
  if (ascii) return wellFormed;
  const std::string decomposed = Normalized(&icu::Normalizer2::getNFDInstance, wellFormed);
  std::string bare;
  bare.reserve(decomposed.size());
  for (std::size_t at = 0; at < decomposed.size();) {
    const std::size_t start = at;
    const auto character = ReadCharacter(decomposed, at);
    if (character && !IsDiacriticalMark(*character)) bare.append(decomposed, start, at - start);
  }
  return Normalized(&icu::Normalizer2::getNFCInstance, bare);
}

void AppendFolded(std::string& out, std::string_view piece) {
  for (const char c : piece) {
    if (c == ' ' || c == '\t' || c == '\n' || c == '\r') {
      if (!out.empty() && out.back() != ' ') out += ' ';
    } else {
      out += c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    }
  }
}

}  // namespace

std::string FoldForSearch(std::string_view text) {
  const std::string bare = WithoutDiacriticalMarks(text);
  std::string out;
  out.reserve(bare.size());
  for (std::size_t at = 0; at < bare.size();) {
    const std::size_t start = at;
    const auto character = ReadCharacter(bare, at);
    if (!character) continue;
    // Punctuation, and letters with strokes and ligatures in either case, by
    // the table; other letters in their case-folded form (Unicode's simple
    // case folding, so "Σ" and "ς" are both "σ").
    const Folding* folding = FindFolding(*character);
    if (folding == nullptr && *character < 0x80) {
      AppendFolded(out, bare.substr(start, at - start));
      continue;
    }
    const char32_t caseFolded = static_cast<char32_t>(u_foldCase(static_cast<UChar32>(*character), U_FOLD_CASE_DEFAULT));
    if (folding == nullptr) folding = FindFolding(caseFolded);
    if (folding != nullptr) {
      AppendFolded(out, folding->folded);
    } else if (caseFolded < 0x80) {
      AppendFolded(out, std::string(1, static_cast<char>(caseFolded)));  // the Kelvin sign, "K"
    } else {
      AppendCharacter(out, caseFolded);
    }
  }
  if (!out.empty() && out.back() == ' ') out.pop_back();
  return out;
}

}  // namespace zentara::places
