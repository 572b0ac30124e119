// The desktop's own style, handing out one icon of each standard kind for the
// whole run.
//
// Qt's styles make a new icon, with new pictures, every time a control asks
// for a standard one (a file dialog's tool buttons, its Save and Cancel
// buttons, the folder and file icons of its list). The picture cache
// (QPixmapCache) keeps every picture drawn from an icon at a size, greyed or
// not, found again by that picture's identity, so the pictures of a new icon
// are never found again: each file dialog opened added its icons' pictures to
// the cache, about 25 kB a dialog, up to the cache's limit of 10 MB. With one
// icon of each kind, every dialog draws the pictures the first one drew.
#pragma once
#include <QHash>
#include <QIcon>
#include <QProxyStyle>

namespace platform {

class SharedIconsStyle final : public QProxyStyle {
 public:
  // Over the style Qt picks for the desktop, or over `base` (taking it).
  explicit SharedIconsStyle(QStyle* base = nullptr) : QProxyStyle(base) {}

  // The icon made the first time this kind was asked for in the application's
  // layout direction. An icon asked for with options, which may change it, is
  // made anew, as the style makes it.
  QIcon standardIcon(StandardPixmap kind, const QStyleOption* option = nullptr,
                     const QWidget* widget = nullptr) const override;

  // Polishing the application again, as a new style or palette does, drops
  // the kept icons.
  void polish(QApplication* application) override;
  using QProxyStyle::polish;

 private:
  mutable QHash<int, QIcon> icons_;  // by kind and layout direction
};

}  // namespace platform
