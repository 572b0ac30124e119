// The two partners of a match, in the order the forms, the reports and the
// files list them.
#pragma once

namespace zentara {

enum class Partner { Male, Female };

}  // namespace zentara
