// The Help menu every main window carries: the online help, the maker's home
// page, the download page and the about box.
#pragma once

class QMainWindow;

namespace shell {

// Adds "&Help" (mnuHelp) to `window`'s menu bar with mnuOnline, mnuVisit, a
// separator, "Check for Software &Update" (mnuUpdate), a separator and "&About
// Software" (mnuAbout). The first two captions differ between the windows.
void AddHelpMenu(QMainWindow* window, const char* onlineCaption, const char* visitCaption);

}  // namespace shell
