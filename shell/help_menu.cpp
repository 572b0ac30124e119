#include "shell/help_menu.h"

#include <QMainWindow>
#include <QMenuBar>

#include "shell/controls.h"
#include "shell/frmAbout.h"
#include "web/web_commands.h"

namespace shell {

void AddHelpMenu(QMainWindow* window, const char* onlineCaption, const char* visitCaption) {
  QMenu* help = window->menuBar()->addMenu(QStringLiteral("&Help"));
  help->setObjectName(QStringLiteral("mnuHelp"));
  QAction* online = NamedMenuEntry(help, "mnuOnline", onlineCaption);
  QAction* visit = NamedMenuEntry(help, "mnuVisit", visitCaption);
  help->addSeparator();
  QAction* update = NamedMenuEntry(help, "mnuUpdate", "Check for Software &Update");
  help->addSeparator();
  QAction* about = NamedMenuEntry(help, "mnuAbout", "&About Software");
  QObject::connect(online, &QAction::triggered, window, [] { web::OpenHelpPage(); });
  QObject::connect(visit, &QAction::triggered, window, [] { web::OpenHomePage(); });
  QObject::connect(update, &QAction::triggered, window, [] { web::OpenDownloadPage(); });
  QObject::connect(about, &QAction::triggered, window, [window] { frmAbout::ShowModal(window); });
}

}  // namespace shell
