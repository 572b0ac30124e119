#include "shell/exit_application.h"

#include <QWidget>

#include "platform/platform.h"
#include "shell/form.h"

namespace shell {

void ExitApplication() {
  auto& desktop = platform::current();
  for (QWidget* window : desktop.openForms()) {
    if (auto* form = qobject_cast<Form*>(window)) {
      form->unload();
    } else {
      desktop.formUnloaded(window);
      window->close();
    }
  }
  desktop.endProcess();
}

}  // namespace shell
