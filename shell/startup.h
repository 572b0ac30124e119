// The start of the program, in order: refuse a second copy, run the update
// reminder, show the start form.
#pragma once

namespace shell {

// Returns false when this copy was refused and has already ended.
bool RunStartup();

}  // namespace shell
