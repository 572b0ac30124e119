#include "shell/startup.h"

#include <QCoreApplication>

#include "platform/platform.h"
#include "shell/exit_application.h"
#include "shell/navigation.h"
#include "web/web_commands.h"

namespace shell {

bool RunStartup() {
  auto& desktop = platform::current();
  if (desktop.anotherCopyRunning()) {
    // The running copy is left as it is; this one says so and ends.
    desktop.showMessage(nullptr, QCoreApplication::translate("Startup", "Application is already running"),
                        platform::Icon::Information, platform::Buttons::Ok);
    ExitApplication();
    return false;
  }
  web::RemindOfUpdate();
  navigation::ShowStartForm();
  return true;
}

}  // namespace shell
