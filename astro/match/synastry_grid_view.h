// The aspects between the partners' charts on the desktop: the grid painted
// with QPainter (on the screen and on the PDF's page), and the report frame's
// "Aspects" tab, which shows the grid and below it the tightest five in words.
#pragma once
#include <QWidget>
#include <vector>

#include "astro/match/synastry_grid.h"

class QLabel;
class QPainter;

namespace astro {

// Paints the grid as large as the square `side` wide with its top left corner
// at the painter's origin: his points down the left, hers across the top, each
// cell of an aspect tinted in its tone's colour with the aspect's symbol and
// its separation from exact.
// `dark`: in the dark palette's colours (dark_palette.h), else on white.
void PaintAspectGrid(QPainter& painter, const zentara::AspectGrid& grid, double side, bool dark = false);

// The grid as large as the widget's smaller side, at its top left; hovering a
// cell of an aspect names it, and hovering a header names its point. With the
// focus, the arrow keys (Home and End too) move a current cell, framed, which
// a screen reader speaks (synastry_grid_accessible.h).
class AspectGridView : public QWidget {
  Q_OBJECT

 public:
  explicit AspectGridView(QWidget* parent = nullptr);

  void setAspects(const std::vector<zentara::Aspect>& aspects);
  const zentara::AspectGrid& grid() const { return grid_; }
  // What hovering at `point` shows: the aspect's sentence, whose point a
  // header shows ("His Sun", "Her Moon"), or nothing.
  QString toolTipAt(QPoint point) const;
  QSize sizeHint() const override;
  // The current cell, in AspectGrid::Cells.
  int currentRow() const { return currentRow_; }
  int currentColumn() const { return currentColumn_; }
  void setCurrentCell(int row, int column);

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  zentara::AspectGrid grid_;
  int currentRow_ = 0, currentColumn_ = 0;
};

// The tab: the grid, and under it "Tightest aspects:" and up to five sentences,
// then every aspect with its paragraph, in a view that scrolls.
class AspectsView : public QWidget {
  Q_OBJECT

 public:
  explicit AspectsView(QWidget* parent = nullptr);

  // The aspects, and under the tightest five every aspect with what it
  // means (reading_texts.h), closest first, the partners called by these names.
  void setAspects(const std::vector<zentara::Aspect>& aspects, std::string_view hisName = "He",
                  std::string_view herName = "She");
  AspectGridView* gridView() const { return grid_; }
  QLabel* tightest() const { return tightest_; }
  QLabel* texts() const { return texts_; }

 private:
  AspectGridView* grid_;
  QLabel* tightest_;
  QLabel* texts_;
};

}  // namespace astro
