// A word-wrapped label that lays its text out once for each width it is asked
// the height of. Qt's label lays the whole text out again for every question,
// and a window's layouts ask the same few widths over and over while the
// window is first laid out.
#pragma once
#include <QLabel>
#include <array>

namespace shell {

class WordWrapLabel : public QLabel {
 public:
  // A label showing `text` (never a picture), wrapped at spaces as QLabel wraps it.
  explicit WordWrapLabel(const QString& text, QWidget* parent = nullptr);

  // QLabel's height for `width`, remembered for the last few widths asked as
  // long as the text and everything else the height depends on stay as they were.
  int heightForWidth(int width) const override;

 private:
  // What the label's height depends on besides the width.
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
    bool wraps = true;
    bool operator==(const Setting&) const = default;
  };
  Setting currentSetting() const;

  struct Height {
    int width = -1;
    int height = 0;
  };
  mutable Setting remembered_;
  mutable std::array<Height, 4> heights_{};
  mutable std::size_t next_ = 0;  // the slot the next new width takes
};

}  // namespace shell
