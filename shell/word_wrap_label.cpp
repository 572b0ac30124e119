#include "shell/word_wrap_label.h"

namespace shell {

WordWrapLabel::WordWrapLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
  setWordWrap(true);
}

int WordWrapLabel::heightForWidth(int width) const {
  return heights_.heightFor(*this, width, [this](int asked) { return QLabel::heightForWidth(asked); });
}

}  // namespace shell
