#include "platform/shared_header_picture_model.h"

#include <QCoreApplication>
#include <QIcon>
#include <QImage>
#include <QPixmap>

namespace platform {
namespace {

// The header picture last given and its icon, shared by every dialog.
struct HeaderPicture {
  QImage image;
  QIcon icon;
};

HeaderPicture& SharedPicture() {
  static HeaderPicture picture;
  // Released while the application ends, before its picture system is gone.
  static const bool releasedAtTheEnd = [] {
    qAddPostRoutine([] { SharedPicture() = HeaderPicture(); });
    return true;
  }();
  Q_UNUSED(releasedAtTheEnd);
  return picture;
}

}  // namespace

QVariant SharedHeaderPictureModel::headerData(int section, Qt::Orientation orientation, int role) const {
  const QVariant data = QIdentityProxyModel::headerData(section, orientation, role);
  if (role != Qt::DecorationRole || data.typeId() != QMetaType::QImage) return data;
  HeaderPicture& shared = SharedPicture();
  const QImage image = data.value<QImage>();
  if (shared.icon.isNull() || image != shared.image) shared = {image, QIcon(QPixmap::fromImage(image))};
  return shared.icon;
}

}  // namespace platform
