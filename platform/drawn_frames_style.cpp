#include "platform/drawn_frames_style.h"

#include <QGroupBox>
#include <QPainter>
#include <QStyleOption>
#include <algorithm>

namespace platform {
namespace {

// Fusion's space above a group box's frame, below its title.
constexpr int kFrameGapBelowTitle = 3;

// The frame's colours as Fusion's picture has them: a grey line at a fifth of
// full strength, a faint shade just inside it and a fainter one over the rest.
const QColor kEdge(0x75, 0x75, 0x75, 0x32);
const QColor kInside(0, 0, 0, 3);
const QColor kInsideEdge(0, 0, 0, 4);  // over kInside: the shade inside the line
const QColor kCornerInside(0x75, 0x75, 0x75, 0x19);

// Qt's raster painter hands a see-through fill of 96 rows or more to the
// global thread pool in pieces, and the first such fill in a run starts the
// pool's threads: about half a millisecond before the start form, whose
// frames are the first such fills, can be shown. Bands of fewer rows are
// filled on this thread, to the same pixels.
constexpr int kRowsFilledHere = 64;

void FillInBands(QPainter* painter, const QRect& rect, const QColor& colour) {
  for (int top = rect.top(); top <= rect.bottom(); top += kRowsFilledHere) {
    const int rows = std::min(kRowsFilledHere, rect.bottom() - top + 1);
    painter->fillRect(QRect(rect.left(), top, rect.width(), rows), colour);
  }
}

bool IsFusion(const QStyle* style) {
  return style != nullptr && style->name().compare(QLatin1String("fusion"), Qt::CaseInsensitive) == 0;
}

}  // namespace

DrawnFramesStyle::DrawnFramesStyle(QStyle* base) : QProxyStyle(base) {}

void DrawnFramesStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                     QPainter* painter, const QWidget* widget) const {
  if (element != PE_FrameGroupBox || !IsFusion(baseStyle())) {
    QProxyStyle::drawPrimitive(element, option, painter, widget);
    return;
  }
  // Where Fusion puts the frame: below the title's line, or just below the
  // top when the box has no title and no check box.
  const auto* box = qobject_cast<const QGroupBox*>(widget);
  const bool bare = box != nullptr && !box->isCheckable() && box->title().isEmpty();
  const int top = bare ? kFrameGapBelowTitle
                       : std::max(baseStyle()->pixelMetric(PM_ExclusiveIndicatorHeight),
                                  option->fontMetrics.height()) +
                             kFrameGapBelowTitle;
  const QRect frame = option->rect.adjusted(0, top, 0, 0);
  // Fusion's picture leaves its first column and row clear.
  const int left = frame.left() + 1;
  const int upper = frame.top() + 1;
  const int right = frame.right();
  const int lower = frame.bottom();
  if (right - left < 4 || lower - upper < 4) return;

  painter->save();
  // Fills only: an anti-aliased outline would cost a third of a million
  // instructions a frame. The line's corner pixels are left out, and the one
  // inside each corner takes half its strength, as the picture's rounding does.
  const int width = right - left;
  const int height = lower - upper;
  FillInBands(painter, QRect(left + 1, upper + 1, width - 1, height - 1), kInside);
  FillInBands(painter, QRect(left + 2, upper + 1, width - 3, 1), kInsideEdge);
  FillInBands(painter, QRect(left + 2, lower - 1, width - 3, 1), kInsideEdge);
  FillInBands(painter, QRect(left + 1, upper + 2, 1, height - 3), kInsideEdge);
  FillInBands(painter, QRect(right - 1, upper + 2, 1, height - 3), kInsideEdge);
  FillInBands(painter, QRect(left + 1, upper, width - 1, 1), kEdge);
  FillInBands(painter, QRect(left + 1, lower, width - 1, 1), kEdge);
  FillInBands(painter, QRect(left, upper + 1, 1, height - 1), kEdge);
  FillInBands(painter, QRect(right, upper + 1, 1, height - 1), kEdge);
  for (const QPoint corner : {QPoint(left + 1, upper + 1), QPoint(right - 1, upper + 1), QPoint(left + 1, lower - 1),
                              QPoint(right - 1, lower - 1)}) {
    painter->fillRect(QRect(corner, QSize(1, 1)), kCornerInside);
  }
  painter->restore();
}

}  // namespace platform
