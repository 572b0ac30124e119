// The desktop style's group-box frame, drawn with the painter.
//
// Qt's Fusion style draws a group box's frame by stretching a picture kept in
// Qt's resources, and the first picture read in a run loads Qt's whole image
// reading: it looks through the image format plugins and reads the picture
// through them, about 4.4 million instructions and a dozen files opened, all
// before the start form, whose three frames are the first pictures it draws,
// can be shown. This style draws the same frame as lines and fills instead:
// the same place and colours, each pixel within a few levels of Fusion's, the
// rounded corners within 12 of 255.
#pragma once
#include <QProxyStyle>

namespace platform {

class DrawnFramesStyle final : public QProxyStyle {
 public:
  // Over the style Qt picks for the desktop, or over `base` (taking it). Only
  // Fusion's frame is drawn here; any other style draws its own.
  explicit DrawnFramesStyle(QStyle* base = nullptr);

  void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
};

}  // namespace platform
