#include "astro/places/form_letters.h"

#include <unicode/translit.h>
#include <unicode/unistr.h>

#include <algorithm>
#include <memory>
#include <mutex>

namespace zentara::places {

namespace {

// Accents taken off (decomposed, marks removed), then every remaining Latin
// letter spelt in ASCII.
constexpr const char* LatinToAscii = "NFD; [:Nonspacing Mark:] Remove; NFC; Latin-ASCII";

// ICU's transliterators are not safe for two threads at once: one for the
// whole run, made on first use (it takes some milliseconds) and used under a lock.
struct SharedTransliterator {
  SharedTransliterator() {
    UErrorCode status = U_ZERO_ERROR;
    transliterator.reset(icu::Transliterator::createInstance(LatinToAscii, UTRANS_FORWARD, status));
    if (U_FAILURE(status)) transliterator.reset();
  }
  std::unique_ptr<icu::Transliterator> transliterator;  // null only if ICU lacks its rules
  std::mutex lock;
};

SharedTransliterator& Shared() {
  static SharedTransliterator shared;
  return shared;
}

bool IsFormLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

}  // namespace

std::string FormLetters(std::string_view text) {
  std::string ascii;
  if (std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; })) {
    ascii = text;  // nothing to spell: ICU is needed only beyond ASCII
  } else {
    // Invalid UTF-8 becomes U+FFFD here, a character that is no letter.
    icu::UnicodeString unicode =
        icu::UnicodeString::fromUTF8(icu::StringPiece(text.data(), static_cast<int32_t>(text.size())));
    SharedTransliterator& shared = Shared();
    if (shared.transliterator) {
      const std::lock_guard<std::mutex> guard(shared.lock);
      shared.transliterator->transliterate(unicode);
    }
    unicode.toUTF8String(ascii);
  }

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
