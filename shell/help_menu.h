// The Help menu every main window carries: the online help, the maker's home
// page, the download page and the about box.
#pragma once
#include <QString>

class QMainWindow;
class QMenu;

namespace shell {

// Adds "&Help" (mnuHelp) to `window`'s menu bar with mnuOnline, mnuVisit, a
// separator, "Check for Software &Update" (mnuUpdate), a separator and "&About
// Software" (mnuAbout). The first two captions differ between the windows.
// Returns the menu, for the entry forms' "&Language..." (language.h).
QMenu* AddHelpMenu(QMainWindow* window, const QString& onlineCaption, const QString& visitCaption);

}  // namespace shell
