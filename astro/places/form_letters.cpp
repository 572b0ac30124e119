#include "astro/places/form_letters.h"

#include <unicode/translit.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>

#include <algorithm>
#include <memory>
#include <mutex>

namespace zentara::places {

namespace {

// Accents taken off (decomposed, marks removed); then each remaining Latin
// letter spelt in ASCII, one character at a time.
constexpr const char* WithoutAccents = "NFD; [:Nonspacing Mark:] Remove; NFC";
constexpr const char* LatinToAscii = "Latin-ASCII";

// ICU's transliterators are not safe for two threads at once: one pair for the
// whole run, made on first use (it takes some milliseconds) and used under a lock.
struct SharedTransliterators {
  SharedTransliterators() {
    UErrorCode status = U_ZERO_ERROR;
    withoutAccents.reset(icu::Transliterator::createInstance(WithoutAccents, UTRANS_FORWARD, status));
    latinToAscii.reset(icu::Transliterator::createInstance(LatinToAscii, UTRANS_FORWARD, status));
    if (U_FAILURE(status)) withoutAccents.reset(), latinToAscii.reset();
  }
  // Null only if ICU lacks its rules.
  std::unique_ptr<icu::Transliterator> withoutAccents, latinToAscii;
  std::mutex lock;
};

SharedTransliterators& Shared() {
  static SharedTransliterators shared;
  return shared;
}

bool IsFormLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// `text` without accents and with every character spelt in ASCII where it is
// a Latin letter. A capital written as two letters is written as a capital
// and a small letter before a small letter ("Þór" -> "Thor", "Ærø" -> "Aero"),
// as two capitals otherwise ("ÞÓR" -> "THOR").
std::string SpeltInAscii(std::string_view text) {
  // Invalid UTF-8 becomes U+FFFD here, a character that is no letter.
  icu::UnicodeString unicode =
      icu::UnicodeString::fromUTF8(icu::StringPiece(text.data(), static_cast<int32_t>(text.size())));
  SharedTransliterators& shared = Shared();
  icu::UnicodeString spelt;
  {
    const std::lock_guard<std::mutex> guard(shared.lock);
    if (!shared.withoutAccents) return std::string(text);
    shared.withoutAccents->transliterate(unicode);
    for (int32_t at = 0; at < unicode.length(); at = unicode.moveIndex32(at, 1)) {
      const UChar32 character = unicode.char32At(at);
      icu::UnicodeString one(character);
      shared.latinToAscii->transliterate(one);
      const int32_t next = unicode.moveIndex32(at, 1);
      if (one.length() > 1 && u_isupper(character) && next < unicode.length() && u_islower(unicode.char32At(next))) {
        one = one.tempSubString(0, 1) + icu::UnicodeString(one.tempSubString(1)).toLower();
      }
      spelt += one;
    }
  }
  std::string ascii;
  spelt.toUTF8String(ascii);
  return ascii;
}

}  // namespace

std::string FormLetters(std::string_view text) {
  // Nothing to spell in plain ASCII: ICU is needed only beyond it.
  const bool plain = std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
  const std::string ascii = plain ? std::string(text) : SpeltInAscii(text);

  std::string letters;
  letters.reserve(ascii.size());
  bool spaceDue = false;
  for (const char c : ascii) {
    if (!IsFormLetter(c)) {
      spaceDue = !letters.empty();
      continue;
    }
    if (spaceDue) letters += ' ';
    spaceDue = false;
    letters += c;
  }
  return letters;
}

}  // namespace zentara::places
