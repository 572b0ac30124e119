// A one-line text box that holds only what its key filter takes (key_filters.h).
//
// A typed key the filter refuses is discarded. A text that arrives at once -
// pasted (keys, context menu, middle button), dropped, or committed by an input
// method - is refused as a whole when any of its characters is, before the box
// would cut it to its maximum length, and the box keeps the text it had. Either
// way the box reports the refusal through refused(). Keys held with Ctrl or
// Meta are commands (copy, paste, undo), not characters. Behind all of this,
// every change of the text is judged once more as a whole, so no way of editing
// can leave a refused character in the box.
#pragma once
#include <QLineEdit>

#include "astro/match/key_filters.h"

namespace astro {

class KeyFilteredBox : public QLineEdit {
  Q_OBJECT

 public:
  KeyFilteredBox(QWidget* parent, const char* name, zentara::KeyFilter filter);

  zentara::KeyFilter filter() const { return filter_; }

 signals:
  // A key or a text was refused; the box is unchanged.
  void refused();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;

 private:
  // Whether a text about to be put in as a whole may go in; reports it if not.
  bool admits(const QString& text);
  void checkedPaste();
  friend class WholeTextValidator;
  void textRefused();

  zentara::KeyFilter filter_;
  bool refusalPending_ = false;
};

}  // namespace astro
