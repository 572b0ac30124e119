// The atlas the build made, opened once for all the tests of a program.
#pragma once
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "astro/places/atlas.h"

namespace zentara::places::testing {

inline const Atlas& RealAtlas() {
  static const std::unique_ptr<const Atlas> atlas = [] {
    std::string error;
    auto loaded = Atlas::Load(ZENTARA_TEST_ATLAS, error);
    if (!loaded) ADD_FAILURE() << "cannot load " << ZENTARA_TEST_ATLAS << ": " << error;
    return loaded;
  }();
  if (!atlas) std::abort();
  return *atlas;
}

}  // namespace zentara::places::testing
