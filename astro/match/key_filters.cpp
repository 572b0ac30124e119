#include "astro/match/key_filters.h"

#include "common/translatable.h"

namespace zentara {
namespace {

bool CharacterAccepted(KeyFilter filter, int code) {
  if (filter == KeyFilter::Digits) return code >= '0' && code <= '9';
  return (code >= 'A' && code <= 'Z') || (code >= 'a' && code <= 'z') || code == ' ';
}

}  // namespace

bool KeyAccepted(KeyFilter filter, int keyCode) {
  return keyCode == BackspaceKey || keyCode == DeleteKey || CharacterAccepted(filter, keyCode);
}

bool TextAccepted(KeyFilter filter, std::string_view utf8Text) {
  for (const char c : utf8Text) {
    if (!CharacterAccepted(filter, static_cast<unsigned char>(c))) return false;
  }
  return true;
}

std::string_view RefusalMessage(KeyFilter filter) {
  return filter == KeyFilter::Letters ? QT_TRANSLATE_NOOP("Checks", "Please enter only letters") : QT_TRANSLATE_NOOP("Checks", "Please enter only numbers");
}

bool RefusalRefocuses(KeyFilter filter) { return filter == KeyFilter::Letters; }

}  // namespace zentara
