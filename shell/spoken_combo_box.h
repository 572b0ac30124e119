// A pick list that a screen reader speaks by the name the window gives it. On
// Linux, Qt's own accessible combo box gives its current item as its name
// ("1936", "0") and leaves the purpose to a label beside it, which the entry
// forms do not have for each list (one "Date of Birth:" stands before three);
// a combo box given an accessible name is spoken by that name instead, its
// item as its value.
#pragma once

class QComboBox;

namespace shell {

// Has `box`, given its accessible name already, spoken by that name. Combo
// boxes without a name keep Qt's own interface.
void SpeakByName(QComboBox* box);

}  // namespace shell
