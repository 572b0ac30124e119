#include "web/web_commands.h"

#include <chrono>

#include "platform/platform.h"
#include "platform/qt_text.h"
#include "reports/scramble.h"
#include "web/update_reminder_rule.h"
#include "web/web_pages.h"

namespace web {
namespace {

void OpenPage(std::string_view key) {
  platform::current().openAddress(platform::ToQt(zentara::WebPageAddress(key)));
}

std::chrono::year_month_day CivilDate(const QDate& date) {
  return std::chrono::year{date.year()} / std::chrono::month{static_cast<unsigned>(date.month())} /
         std::chrono::day{static_cast<unsigned>(date.day())};
}

}  // namespace

void OpenHelpPage() { OpenPage(zentara::HelpPageKey); }
void OpenHomePage() { OpenPage(zentara::HomePageKey); }
void OpenDownloadPage() { OpenPage(zentara::DownloadPageKey); }

void RemindOfUpdate() {
  auto& desktop = platform::current();
  const QString application = desktop.applicationName();
  const QString section = platform::ToQt(zentara::ReminderSection);
  const QString valueName = platform::ToQt(zentara::ScrambleUtf8(zentara::ReminderValueName));

  const QString stored =
      platform::ToQt(zentara::UnscrambleUtf8(platform::ToStd(desktop.readSetting(application, section, valueName))));
  std::optional<std::chrono::year_month_day> storedDate;
  if (!stored.isEmpty()) {
    if (const auto date = desktop.readShortDate(stored)) storedDate = CivilDate(*date);
  }
  const QDate today = desktop.today();
  const auto storeToday = [&] {
    desktop.writeSetting(application, section, valueName,
                         platform::ToQt(zentara::ScrambleUtf8(platform::ToStd(desktop.shortDateText(today)))));
  };

  switch (zentara::DecideReminderStep(storedDate, CivilDate(today))) {
    case zentara::ReminderStep::Nothing:
      return;
    case zentara::ReminderStep::StoreToday:
      storeToday();
      return;
    case zentara::ReminderStep::Ask: {
      const auto answer = desktop.showMessage(nullptr, platform::Translated("Web", zentara::UpdateReminderMessage),
                                              platform::Icon::Information, platform::Buttons::YesNo);
      storeToday();
      if (answer == platform::Answer::Yes) OpenDownloadPage();
      return;
    }
  }
}

}  // namespace web
