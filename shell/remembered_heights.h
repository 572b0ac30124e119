// The heights a word-wrapping label has laid its text out to, for the last
// few widths it was asked. A window's layouts ask a wrapping label the same
// few widths over and over while the window is laid out, and each answer
// lays the whole text out again; the label answers from here instead, as long
// as nothing the height depends on has changed.
#pragma once
#include <QFont>
#include <QLabel>
#include <QMargins>
#include <QString>
#include <array>
#include <cstddef>

namespace shell {

class RememberedHeights {
 public:
  // The height `label` lays its text out to at `width`: remembered, or found
  // with `layOut(width)` and remembered.
  template <class LayOut>
  int heightFor(const QLabel& label, int width, const LayOut& layOut) {
    Setting setting = SettingOf(label);
    if (!(setting == setting_)) {
      setting_ = std::move(setting);
      heights_.fill({});
    }
    for (const Height& known : heights_) {
      if (known.width == width) return known.height;
    }
    const int height = layOut(width);
    heights_[next_] = {width, height};
    next_ = (next_ + 1) % heights_.size();
    return height;
  }

 private:
  // What a text label's height depends on besides the width.
  struct Setting {
    QString text;
    QFont font;
    QMargins contents;
    int margin = 0;
    int indent = 0;
    int frame = 0;
    Qt::Alignment alignment;
    Qt::LayoutDirection direction = Qt::LeftToRight;
    Qt::TextFormat format = Qt::AutoText;
    bool wraps = false;
    bool operator==(const Setting&) const = default;
  };
  static Setting SettingOf(const QLabel& label) {
    return {label.text(),       label.font(),      label.contentsMargins(), label.margin(),
            label.indent(),     label.frameWidth(), label.alignment(),      label.layoutDirection(),
            label.textFormat(), label.wordWrap()};
  }

  struct Height {
    int width = -1;
    int height = 0;
  };
  Setting setting_;
  std::array<Height, 4> heights_{};
  std::size_t next_ = 0;  // the slot the next new width takes
};

}  // namespace shell
