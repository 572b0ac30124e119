#include "astro/match/astro_date_check.h"

#include "common/translatable.h"

namespace zentara {

std::optional<std::string_view> CheckAstroBirthDate(const BirthMoment& birth, Partner partner) {
  const bool male = partner == Partner::Male;
  if (birth.Month == 2) {
    const int firstRefusedDay = birth.Year % 4 == 0 ? 30 : 29;
    if (birth.Day >= firstRefusedDay) {
      return male ? QT_TRANSLATE_NOOP("Checks", "Please Enter Your Correct Date Or Month!")
                  : QT_TRANSLATE_NOOP("Checks", "Please Enter Your Partner's Correct Date Or Month!");
    }
  }
  const bool thirtyDays = birth.Month == 4 || birth.Month == 6 || birth.Month == 9 || birth.Month == 11;
  if (thirtyDays && birth.Day == 31) {
    return male ? QT_TRANSLATE_NOOP("Checks", "Please Enter Your Correct Date Or Month !")
                : QT_TRANSLATE_NOOP("Checks", "Please Enter Your Partner's Correct Date Or Month !");
  }
  return std::nullopt;
}

}  // namespace zentara
