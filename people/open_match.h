// A match of two people of the book opened on its entry form and run at once,
// with the same checks as the form's own buttons.
#pragma once
#include "book/person.h"

class QWidget;

namespace people {

// The numerology form (the open one, or a new one in place of the start
// form), both partners filled, and its comprehensive reading.
void OpenNumerologyMatch(const zentara::book::Person& male, const zentara::book::Person& female);

// The astro form likewise, and Analyze Compatibility; a person the astro
// match cannot take is told in a message, and nothing is run.
void OpenAstroMatch(const zentara::book::Person& male, const zentara::book::Person& female);

}  // namespace people
