#include "shell/application_icon.h"

#include <QPainter>
#include <QSvgRenderer>

namespace shell {

QPixmap ApplicationPicture(int side, qreal devicePixelRatio) {
  const int pixels = qRound(side * devicePixelRatio);
  QPixmap picture(pixels, pixels);
  picture.fill(Qt::transparent);
  QSvgRenderer renderer(QStringLiteral(":/zentara/zentara.svg"));
  if (renderer.isValid()) {
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(0, 0, pixels, pixels));
  }
  picture.setDevicePixelRatio(devicePixelRatio);
  return picture;
}

QIcon ApplicationIcon() {
  QIcon icon;
  for (const int side : IconSides) icon.addPixmap(ApplicationPicture(side));
  return icon;
}

}  // namespace shell
