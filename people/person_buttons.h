// What the entry forms' "Save Person" does with the book: each form reads its
// own partner's controls into a person. (Their "Choose Person..." and
// "People..." open windows: shell/navigation.h.)
#pragma once
#include <cstdint>
#include <functional>
#include <optional>

#include "book/person.h"

class QWidget;

namespace people {

// Stores one partner's entries: into person `chosenId` when it is not 0 and
// still in the book, otherwise as a new person who usually takes `frame`.
// `take` puts the form's entries into the person and gives the problem when
// the book cannot take them. Says what happened in a message; returns the id
// stored, or 0.
std::int64_t SavePerson(QWidget* owner, std::int64_t chosenId, zentara::book::Frame frame,
                        const std::function<std::optional<zentara::book::PersonProblem>(zentara::book::Person&)>& take);

}  // namespace people
