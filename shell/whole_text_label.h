// A label that always shows its whole text: the text wraps at spaces, and
// within a word where one word is wider than the label, so a long name or
// place takes more lines instead of being cut off.
#pragma once
#include <QLabel>

#include "shell/remembered_heights.h"

class QTextLayout;

namespace shell {

// Lays a text out in lines no wider than `width`, breaking at spaces, and
// within a word where one is wider than a line; the height the lines take.
qreal LayOutWrapped(QTextLayout& layout, qreal width);

class WholeTextLabel : public QLabel {
  Q_OBJECT

 public:
  explicit WholeTextLabel(QWidget* parent = nullptr);

  bool hasHeightForWidth() const override { return true; }
  int heightForWidth(int width) const override;
  // The text on one line.
  QSize sizeHint() const override;
  // A letter wide, a line high.
  QSize minimumSizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  mutable RememberedHeights heights_;
};

}  // namespace shell
