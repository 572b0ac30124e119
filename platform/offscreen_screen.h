// A screen of a chosen size for Qt's offscreen platform, on which the tests,
// the benchmarks and the README's pictures open the program's windows: Qt
// reads the screen from a JSON file named in QT_QPA_PLATFORM.
#pragma once
#include <QSize>
#include <QString>

namespace platform {

// Writes the screen's file into `folder` and points QT_QPA_PLATFORM at it;
// call before the QApplication is made. `frameMargins`: whether windows get
// the few pixels of frame the offscreen platform gives them by default.
// False, with the reason in `error`, when the file cannot be written.
bool UseOffscreenScreen(QSize size, const QString& folder, bool frameMargins, QString& error);

// The size ZENTARA_TEST_SCREEN names ("1024x768"), or an empty size.
QSize RequestedScreenSize();

}  // namespace platform
