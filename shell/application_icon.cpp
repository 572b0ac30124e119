#include "shell/application_icon.h"

#include <QImageReader>

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

QIcon ApplicationIcon() {
  // Files added by name are read only when a window asks for their size; PNG
  // needs no plugin, so neither Qt SVG nor its icon engine is loaded to start.
  QIcon icon;
  for (const int side : WindowIconSides) {
    icon.addFile(QStringLiteral(":/zentara/window/%1.png").arg(side), QSize(side, side));
  }
  return icon;
}

}  // namespace shell
