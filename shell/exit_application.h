// The one way the program ends.
#pragma once

namespace shell {

// Unloads every open form, in the order the platform lists them, then ends the
// process. Every Exit command, the closing of a main form and the refused second
// copy come here; nothing asks for confirmation.
void ExitApplication();

}  // namespace shell
