#include "platform/platform.h"

#include <cstdio>
#include <cstdlib>

namespace platform {
namespace {
Platform* installed = nullptr;
}

Platform& current() {
  if (installed == nullptr) {
    std::fputs("internal error: no platform installed\n", stderr);
    std::abort();
  }
  return *installed;
}

void install(Platform* platform) { installed = platform; }

}  // namespace platform
