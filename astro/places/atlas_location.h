// Where the programs find the atlas, and the one copy each run loads.
#pragma once
#include <filesystem>
#include <memory>
#include <string>

#include "astro/places/atlas.h"

namespace zentara::places {

// Set to an atlas file's path to use that file instead of the installed one.
inline constexpr const char* AtlasFileVariable = "ZENTARA_ATLAS_FILE";

// $ZENTARA_ATLAS_FILE when it is set and not empty; otherwise
// share/zentara/atlas.bin beside the running program's folder
// (bin/../share/zentara/atlas.bin), as the build and an installation lay it out.
std::filesystem::path AtlasPath();

struct LoadedAtlas {
  std::shared_ptr<const Atlas> atlas;  // null when loading failed
  std::string error;                   // why, when it failed
};

// The atlas at AtlasPath(), opened on the first call and kept for the rest of the
// run; later calls, from any thread, get the same result without opening it again.
const LoadedAtlas& SharedAtlas();

}  // namespace zentara::places
