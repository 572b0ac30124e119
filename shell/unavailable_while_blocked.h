// A window beside the forms that a modal window can block (a reading, a
// message, a dialog of its own): while it is blocked its controls show as
// unavailable, rather than looking as usable as ever while every click on
// them is ignored. Freed again, it gets back its controls and the focus it had.
#pragma once

class QMainWindow;

namespace shell {

// From now on, for the window's whole life.
void ShowUnavailableWhileBlocked(QMainWindow* window);

}  // namespace shell
