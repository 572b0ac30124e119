// zentara: the desktop program. It reads no command line.
#include <QApplication>
#include <cstdio>

#include "platform/drawn_frames_style.h"
#include "platform/font_preload.h"
#include "platform/qt_platform.h"
#include "platform/shared_icons_style.h"
#include "platform/system_files.h"
#include "shell/application_icon.h"
#include "shell/language.h"
#include "shell/startup.h"
#include "shell/startup_report.h"

int main(int argc, char** argv) {
  zentara::system::OpenMissingStandardStreams();
  zentara::system::ReportFileSizeLimitAsError();
  if (!platform::DisplayAvailable()) {
    std::fputs(
        "zentara is a desktop program and found no display to open its window on; "
        "run it in a graphical session, or under a virtual display with: xvfb-run -a zentara\n",
        stderr);
    return 1;
  }
  // The font configuration loads on a second thread while the application
  // connects to the display; the start form waits for it below.
  platform::FontConfigurationPreload fonts;
  QApplication app(argc, argv);
  // Every way out goes through ExitApplication, never through the last window closing.
  app.setQuitOnLastWindowClosed(false);
  // The desktop's style, with one icon of each standard kind for the whole run
  // and group-box frames drawn without reading a picture.
  QApplication::setStyle(new platform::SharedIconsStyle(new platform::DrawnFramesStyle()));
  // Every window and message box carries the program's icon, given once the
  // first window is up; the desktop entry's name lets a Wayland desktop match
  // the windows to it.
  shell::SetWindowIconOnceShown(app);
  QGuiApplication::setDesktopFileName(QStringLiteral(ZENTARA_APP_ID));
  shell::ReportFirstWindowShownWhenAsked(app);
  platform::QtPlatform desktop;
  platform::install(&desktop);
  // The windows' language, and Qt's own texts in it (language.h).
  shell::InstallTranslations(app, shell::StartingLanguage());
  fonts.wait();
  if (!shell::RunStartup()) return 0;
  const int status = app.exec();
  platform::install(nullptr);
  return status;
}
