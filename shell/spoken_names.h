// The names a screen reader speaks for a window's controls. A box's caption
// stands beside it as a separate label and its group box names the partner, so
// without a name of its own a reader speaks a box by its group's title
// ("Male") or its value ("1936"). Each window lists its controls by object
// name with what each is for ("Male first name"); the names go through the
// translation system like every other text.
#pragma once
#include <span>

class QWidget;

namespace shell {

struct SpokenName {
  const char* control;  // object name; "%1" stands for the partner's letter, M or F
  const char* spoken;   // "%1" stands for "Male" or "Female", "%2" for the
                        // control's own caption (the members of an array)
};

// Names the controls of `window` listed in `names`: every control of that
// object name (each member of a control array). A pattern with "%1" names
// both partners' controls. A name listed that no control has is a fault of
// the list and stops a debug build.
void GiveSpokenNames(QWidget* window, std::span<const SpokenName> names);

}  // namespace shell
