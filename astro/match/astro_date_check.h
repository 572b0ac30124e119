// The astro entry form's check of a birth date: a day its month does not have.
#pragma once
#include <optional>
#include <string_view>

#include "astro/engine/birth_moment.h"
#include "common/partner.h"

namespace zentara {

// The message the form shows for an impossible date, or nothing when it passes.
// February refuses the 30th and 31st in a year divisible by 4 (the whole rule,
// exact for the years the form offers) and the 29th to 31st otherwise; April,
// June, September and November refuse the 31st.
std::optional<std::string_view> CheckAstroBirthDate(const BirthMoment& birth, Partner partner);

}  // namespace zentara
