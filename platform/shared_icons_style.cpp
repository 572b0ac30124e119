#include "platform/shared_icons_style.h"

#include <QGuiApplication>

namespace platform {

QIcon SharedIconsStyle::standardIcon(StandardPixmap kind, const QStyleOption* option,
                                     const QWidget* widget) const {
  if (option != nullptr) return QProxyStyle::standardIcon(kind, option, widget);
  // Arrows and some other icons point the other way when the application is
  // laid out from right to left; without options, nothing else changes them.
  const int key = static_cast<int>(kind) * 2 + (QGuiApplication::isRightToLeft() ? 1 : 0);
  auto kept = icons_.constFind(key);
  if (kept == icons_.constEnd()) kept = icons_.insert(key, QProxyStyle::standardIcon(kind, option, widget));
  return *kept;
}

void SharedIconsStyle::polish(QApplication* application) {
  icons_.clear();
  QProxyStyle::polish(application);
}

}  // namespace platform
