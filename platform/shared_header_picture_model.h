// The file dialog's model as Qt's file system model gives it, with one header
// picture for the whole run.
//
// The file system model hands the list's header a new picture, a blank image
// 16 by 1 pixels that lines the "Name" caption up with the files' icons, every
// time the header is drawn. The picture cache (QPixmapCache) keeps each one as
// drawn, under that picture's identity, and never finds it again: about 1 kB
// for every file dialog shown, without end. This model hands the header one
// icon of that picture instead, the same for every dialog of the run.
#pragma once
#include <QIdentityProxyModel>

namespace platform {

class SharedHeaderPictureModel final : public QIdentityProxyModel {
 public:
  using QIdentityProxyModel::QIdentityProxyModel;

  // The source's header data, except that a header picture given as an image
  // comes as the run's one icon of that image.
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
};

}  // namespace platform
