#include "shell/word_wrap_label.h"

#include <algorithm>

namespace shell {

WordWrapLabel::WordWrapLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
  setWordWrap(true);
}

WordWrapLabel::Setting WordWrapLabel::currentSetting() const {
  return {text(),      font(),          contentsMargins(), margin(),   indent(),
          frameWidth(), alignment(), layoutDirection(), textFormat(), wordWrap()};
}

int WordWrapLabel::heightForWidth(int width) const {
  Setting setting = currentSetting();
  if (!(setting == remembered_)) {
    remembered_ = std::move(setting);
    heights_.fill({});
  }
  const auto known = std::find_if(heights_.begin(), heights_.end(),
                                  [width](const Height& entry) { return entry.width == width; });
  if (known != heights_.end()) return known->height;
  const int height = QLabel::heightForWidth(width);
  heights_[next_] = {width, height};
  next_ = (next_ + 1) % heights_.size();
  return height;
}

}  // namespace shell
