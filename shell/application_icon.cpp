#include "shell/application_icon.h"

#include <QApplication>
#include <QImageReader>

#include "shell/first_window_shown.h"

namespace shell {

QPixmap ApplicationPicture(int side, qreal devicePixelRatio) {
  const int pixels = qRound(side * devicePixelRatio);
  // Drawn from the SVG at the size asked for, by Qt SVG's image plugin.
  QImageReader reader(QStringLiteral(":/zentara/zentara.svg"), "svg");
  reader.setScaledSize(QSize(pixels, pixels));
  QImage picture = reader.read();
  if (picture.isNull()) {
    picture = QImage(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
  }
  QPixmap pixmap = QPixmap::fromImage(picture);
  pixmap.setDevicePixelRatio(devicePixelRatio);
  return pixmap;
}

void SetWindowIconOnceShown(QApplication& app) {
  AfterFirstWindowShown(app, [] { QApplication::setWindowIcon(ApplicationIcon()); });
}

QIcon ApplicationIcon() {
  // Read as PNG by name of format, with Qt's guessing from the contents
  // turned off: Qt reads PNG itself, so no image plugin is loaded. (Left to
  // guess, even with the format named, Qt loads every image plugin and the
  // libraries they need, Qt SVG's among them, about 400 KiB, to ask each one
  // whether it knows the file.) The few small sizes cost little to decode.
  QIcon icon;
  for (const int side : WindowIconSides) {
    QImageReader reader(QStringLiteral(":/zentara/window/%1.png").arg(side), "png");
    reader.setAutoDetectImageFormat(false);
    icon.addPixmap(QPixmap::fromImage(reader.read()));
  }
  return icon;
}

}  // namespace shell
