// The Help menus' web pages and the update reminder, as the forms call them.
#pragma once

namespace web {

void OpenHelpPage();
void OpenHomePage();
void OpenDownloadPage();

// Asks, at most once every 15 days, whether the user wants to look for a newer
// version, and opens the download page on Yes. Runs at start-up and whenever the
// astrological entry form opens.
void RemindOfUpdate();

}  // namespace web
