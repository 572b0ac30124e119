// The chart wheel on the desktop: QPainter drawing of the shapes of
// chart_wheel_drawing.h, the wheel's own window content, and its picture.
#pragma once
#include <QImage>
#include <QWidget>

#include "astro/match/chart_wheel_drawing.h"

class QPainter;
class QPalette;

namespace astro {

// Whether the wheel and the grid are painted dark under `palette`: its window
// colour is (dark_palette.h).
bool IsDarkPalette(const QPalette& palette);

// Paints `drawing` with the canvas's top-left corner at the painter's origin,
// antialiased, on `ground` (white unless the drawing is a dark one), in sizes
// of the painter's coordinates.
void PaintWheelDrawing(QPainter& painter, const zentara::WheelDrawing& drawing,
                       zentara::Colour ground = {255, 255, 255});

// The wheel in an image `side` device-independent pixels square, at
// `pixelRatio` device pixels to each.
QImage RenderChartWheel(const zentara::ChartWheel& wheel, int side, qreal pixelRatio = 1);

// The wheel as large as the widget's smaller side, centred; drawn afresh at
// every paint, so it is sharp at any size and pixel ratio, in dark colours
// under a dark palette (dark_palette.h). Hovering an aspect's line names the
// aspect.
class ChartWheelView : public QWidget {
  Q_OBJECT

 public:
  explicit ChartWheelView(zentara::ChartWheel wheel, QWidget* parent = nullptr);

  const zentara::ChartWheel& wheel() const { return wheel_; }
  void setWheel(zentara::ChartWheel wheel);
  // What hovering at `point` shows: the sentence of the aspect whose line
  // passes nearest, within a few pixels, or nothing.
  QString toolTipAt(QPoint point) const;
  QSize sizeHint() const override;

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  // The wheel's name and its text alternative (chart_wheel_words.h).
  void Describe();
  zentara::ChartWheel wheel_;
};

}  // namespace astro
