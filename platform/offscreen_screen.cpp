#include "platform/offscreen_screen.h"

#include <QDir>
#include <QFile>

namespace platform {

bool UseOffscreenScreen(QSize size, const QString& folder, bool frameMargins, QString& error) {
  const QString path = QDir(folder).filePath(QStringLiteral("offscreen-screen.json"));
  const QString screen = QStringLiteral(R"({"windowFrameMargins": %1, "screens": [{"name": "screen", "x": 0, "y": 0,
  "width": %2, "height": %3, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})")
                             .arg(frameMargins ? "true" : "false")
                             .arg(size.width())
                             .arg(size.height());
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(screen.toUtf8()) < 0 || !file.flush()) {
    error = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
    return false;
  }
  qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(path));
  return true;
}

QSize RequestedScreenSize() {
  const QList<QByteArray> sides = qgetenv("ZENTARA_TEST_SCREEN").split('x');
  bool wide = false, high = false;
  const QSize size = sides.size() == 2 ? QSize(sides[0].toInt(&wide), sides[1].toInt(&high)) : QSize();
  return wide && high && !size.isEmpty() ? size : QSize();
}

}  // namespace platform
