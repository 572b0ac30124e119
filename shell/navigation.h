// How one window opens another. A window asks this module for the window it
// wants; only the module's implementation includes the windows' headers, so
// no window includes another window's header to open it, and the windows do
// not form a ring of includes. A new window that others open gets its entry
// here.
#pragma once
#include <functional>

#include "astro/match/astro_entries.h"
#include "astro/match/astro_match.h"
#include "book/person.h"
#include "book/ranking.h"

class QWidget;

namespace navigation {

// The start form: the program's first window, and where the numerology
// form's Back returns.
void ShowStartForm();

// An entry form, in the start form's place (Proceed); the astro form is also
// where the report frame's Back returns.
void ShowAstroForm();
void ShowNumerologyForm();

// The report frame of an astro match computed from the astro form's entries
// (Analyze Compatibility), its choices as they are remembered.
void ShowAstroReport(const zentara::AstroEntries& entries, const zentara::AstroMatchResult& match);

// The People window beside the forms ("People...").
void ShowPeople();

// The People window to choose a person ("Choose Person..."): modal; `chosen`
// gets the person picked.
void ChoosePerson(QWidget* owner, std::function<void(const zentara::book::Person&)> chosen);

// A person's best partners in the book, beside the People window.
void ShowBestMatches(zentara::book::Ranking ranking);

// The open entry form of that kind, or a new one in the start form's place,
// filled with the two people, each in their frame, and run.
void OpenNumerologyMatch(const zentara::book::Person& male, const zentara::book::Person& female);
void OpenAstroMatch(const zentara::book::Person& male, const zentara::book::Person& female);

}  // namespace navigation
