#include "astro/engine/chart_instant.h"

#include "astro/engine/birth_coordinates.h"

namespace zentara {

ChartInstant InstantOfBirth(const BirthMoment& birth) {
  // The engines' signed longitude is positive west; negating it back is exact.
  return {birth.Year, birth.Month, birth.Day, UniversalTimeOfBirth(birth), SignedLatitude(birth),
          -SignedLongitude(birth)};
}

}  // namespace zentara
