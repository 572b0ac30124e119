#include "astro/places/atlas_location.h"

#include <cstdlib>
#include <system_error>

#include "platform/system_files.h"

namespace zentara::places {

std::filesystem::path AtlasPath() {
  if (const char* chosen = std::getenv(AtlasFileVariable); chosen != nullptr && *chosen != '\0') return chosen;
  std::error_code failure;
  const std::filesystem::path program = system::ProgramFile();
  const std::filesystem::path folder = program.empty() ? std::filesystem::current_path(failure) : program.parent_path();
  return folder.parent_path() / "share" / "zentara" / "atlas.bin";
}

const LoadedAtlas& SharedAtlas() {
  static const LoadedAtlas loaded = [] {
    LoadedAtlas result;
    result.atlas = Atlas::Load(AtlasPath(), result.error);
    return result;
  }();
  return loaded;
}

}  // namespace zentara::places
