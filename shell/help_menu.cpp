#include "shell/help_menu.h"

#include <QCoreApplication>
#include <QMainWindow>
#include <QMenuBar>

#include "shell/controls.h"
#include "shell/frmAbout.h"
#include "web/web_commands.h"

namespace shell {

QMenu* AddHelpMenu(QMainWindow* window, const QString& onlineCaption, const QString& visitCaption) {
  QMenu* help = window->menuBar()->addMenu(QCoreApplication::translate("HelpMenu", "&Help"));
  help->setObjectName(QStringLiteral("mnuHelp"));
  QAction* online = NamedMenuEntry(help, "mnuOnline", onlineCaption);
  QAction* visit = NamedMenuEntry(help, "mnuVisit", visitCaption);
  help->addSeparator();
  QAction* update = NamedMenuEntry(help, "mnuUpdate", QCoreApplication::translate("HelpMenu", "Check for Software &Update"));
  help->addSeparator();
  QAction* about = NamedMenuEntry(help, "mnuAbout", QCoreApplication::translate("HelpMenu", "&About Software"));
  QObject::connect(online, &QAction::triggered, window, [] { web::OpenHelpPage(); });
  QObject::connect(visit, &QAction::triggered, window, [] { web::OpenHomePage(); });
  QObject::connect(update, &QAction::triggered, window, [] { web::OpenDownloadPage(); });
  QObject::connect(about, &QAction::triggered, window, [window] { frmAbout::ShowModal(window); });
  return help;
}

}  // namespace shell
