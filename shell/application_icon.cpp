#include "shell/application_icon.h"

#include <QApplication>
#include <QEvent>
#include <QImageReader>
#include <QTimer>
#include <QWindow>

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

namespace {

// Waits for the first window to be exposed, then, once that expose event (and
// the painting it starts) is handled, gives the program its icon.
class IconOnceShown final : public QObject {
 public:
  using QObject::QObject;

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (!seen_ && event->type() == QEvent::Expose) {
      if (const auto* window = qobject_cast<QWindow*>(watched); window != nullptr && window->isExposed()) {
        seen_ = true;
        QTimer::singleShot(0, this, [this] {
          QApplication::setWindowIcon(ApplicationIcon());
          deleteLater();
        });
      }
    }
    return false;
  }

 private:
  bool seen_ = false;
};

}  // namespace

void SetWindowIconOnceShown(QApplication& app) { app.installEventFilter(new IconOnceShown(&app)); }

QIcon ApplicationIcon() {
  // Read as PNG by name of format: Qt reads PNG itself, so no image plugin is
  // loaded (asked to guess a file's format, Qt would load every one of them,
  // Qt SVG's among them) and the few small sizes cost little to decode.
  QIcon icon;
  for (const int side : WindowIconSides) {
    QImageReader reader(QStringLiteral(":/zentara/window/%1.png").arg(side), "png");
    icon.addPixmap(QPixmap::fromImage(reader.read()));
  }
  return icon;
}

}  // namespace shell
