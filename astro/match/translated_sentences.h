// Sentences made by the pure library (lookup_sentences.h) in the user's
// language: each translated whole, then filled.
#pragma once
#include <QString>
#include <vector>

#include "astro/match/lookup_sentences.h"

namespace astro {

// `context`: where the sentences' formats are translated. Joined by spaces.
QString TranslatedSentences(const char* context, const std::vector<zentara::Sentence>& sentences);

}  // namespace astro
