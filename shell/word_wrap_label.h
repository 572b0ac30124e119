// A word-wrapped label that lays its text out once for each width it is asked
// the height of (remembered_heights.h), where Qt's label lays it out again for
// every question.
#pragma once
#include <QLabel>

#include "shell/remembered_heights.h"

namespace shell {

class WordWrapLabel : public QLabel {
 public:
  // A label showing `text` (never a picture), wrapped at spaces as QLabel wraps it.
  explicit WordWrapLabel(const QString& text, QWidget* parent = nullptr);

  // QLabel's height for `width`.
  int heightForWidth(int width) const override;

 private:
  mutable RememberedHeights heights_;
};

}  // namespace shell
