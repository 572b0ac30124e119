// A person put into one partner's controls of the entry forms, and one
// partner's controls taken back into a person.
#pragma once
#include <optional>
#include <string>

#include "astro/match/astro_entries.h"
#include "astro/match/form_entry.h"
#include "book/person.h"
#include "numerology/numerology_entries.h"

namespace zentara::book {

// The numerology form's six entries of `partner`: first, middle and last name
// as kept, and the birth date as the lists show it ("August", "15", "1975").
void PutNumerologySide(const Person& person, Partner partner, NumerologyEntries& entries);

// The names and birth date of `partner` on the numerology form into `person`,
// which keeps its other columns; the problem when the date is none the book takes.
std::optional<PersonProblem> TakeNumerologySide(const NumerologyEntries& entries, Partner partner, Person& person);

// The zone row and Daylight Saving Time box of a person: those kept, or for a
// person kept without a zone row, those that the IANA zone of their birthplace
// gives at the birth (as the place look-up's Fill In would). Nothing when
// neither tells, or the zone's offset then has no row.
std::optional<places::FormZoneEntry> ZoneEntryOf(const Person& person);

// Why the person cannot take part in an astro match ("Ann Lee has no birth
// time: the astro match needs one", "... was born in 1900: the astro match
// takes births from 1901 to 2050", "... has no time zone: ...", a coordinate
// off the globe kept by an older version); nothing when it can be tried. The
// form's own checks come afterwards, on AstroSide.
std::optional<std::string> WhyNoAstroMatch(const Person& person);

// The astro form's entries of one partner from `person`, who must have passed
// WhyNoAstroMatch: the name (the astro form's, or else first and last name),
// city, state and country as the letters boxes hold them (FormLetters); the
// date, time and zone as list positions (row 0 when none is kept); the
// coordinates in their boxes (empty when unknown) with their directions; the
// zone row and box as ZoneEntryOf gives them.
AstroPartnerEntries AstroSide(const Person& person);

// One partner's astro entries into `person`, which keeps its other columns
// (its timezone too: the caller knows where the place came from); the problem
// when an entry is none the book takes (a coordinate with one box empty).
std::optional<PersonProblem> TakeAstroSide(const AstroPartnerEntries& entries, Person& person);

}  // namespace zentara::book
