// What the entry forms' "Choose Person...", "Save Person" and "People..."
// commands do with the book; each form fills or reads its own partner's
// controls.
#pragma once
#include <cstdint>
#include <functional>
#include <optional>

#include "book/person.h"

class QWidget;

namespace people {

// Opens the People window to choose a person; `chosen` gets the person picked.
// Both People windows show their controls unavailable while a modal window
// blocks them (shell/unavailable_while_blocked.h).
void ChoosePerson(QWidget* owner, std::function<void(const zentara::book::Person&)> chosen);

// Stores one partner's entries: into person `chosenId` when it is not 0 and
// still in the book, otherwise as a new person who usually takes `frame`.
// `take` puts the form's entries into the person and gives the problem when
// the book cannot take them. Says what happened in a message; returns the id
// stored, or 0.
std::int64_t SavePerson(QWidget* owner, std::int64_t chosenId, zentara::book::Frame frame,
                        const std::function<std::optional<zentara::book::PersonProblem>(zentara::book::Person&)>& take);

// The People window, on its own beside the forms.
void ShowPeople();

}  // namespace people
