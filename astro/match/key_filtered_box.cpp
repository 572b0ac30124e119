#include "astro/match/key_filtered_box.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QValidator>

namespace astro {

// Judges every change of the box's text as a whole. Typed keys and inserted
// texts have already been judged, so this refuses only what reaches the box
// some other way.
class WholeTextValidator final : public QValidator {
 public:
  explicit WholeTextValidator(KeyFilteredBox* box) : QValidator(box), box_(box) {}

  State validate(QString& input, int& /*position*/) const override {
    if (zentara::TextAccepted(box_->filter(), input.toStdString())) return Acceptable;
    box_->textRefused();
    return Invalid;
  }

 private:
  KeyFilteredBox* box_;
};

KeyFilteredBox::KeyFilteredBox(QWidget* parent, const char* name, zentara::KeyFilter filter)
    : QLineEdit(parent), filter_(filter) {
  setObjectName(QString::fromLatin1(name));
  setValidator(new WholeTextValidator(this));
}

bool KeyFilteredBox::admits(const QString& text) {
  if (zentara::TextAccepted(filter_, text.toStdString())) return true;
  emit refused();
  return false;
}

void KeyFilteredBox::checkedPaste() {
  if (admits(QApplication::clipboard()->text())) paste();
}

void KeyFilteredBox::keyPressEvent(QKeyEvent* event) {
  if (event->matches(QKeySequence::Paste) && !isReadOnly()) {
    event->accept();
    checkedPaste();
    return;
  }
  const QString text = event->text();
  const bool command = (event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier)) != 0;
  if (text.isEmpty() || command) {
    QLineEdit::keyPressEvent(event);
    return;
  }
  for (const QChar c : text) {
    if (!zentara::KeyAccepted(filter_, c.unicode())) {
      event->accept();  // discarded: nothing reaches the box
      emit refused();
      return;
    }
  }
  QLineEdit::keyPressEvent(event);
}

void KeyFilteredBox::mouseReleaseEvent(QMouseEvent* event) {
  // The middle button pastes the selection of the X11 clipboard.
  const QClipboard* clipboard = QApplication::clipboard();
  if (event->button() == Qt::MiddleButton && clipboard->supportsSelection() && !isReadOnly() &&
      !admits(clipboard->text(QClipboard::Selection))) {
    event->accept();
    return;
  }
  QLineEdit::mouseReleaseEvent(event);
}

void KeyFilteredBox::contextMenuEvent(QContextMenuEvent* event) {
  QMenu* menu = createStandardContextMenu();
  menu->setAttribute(Qt::WA_DeleteOnClose);
  // The menu's Paste goes through the same check as the keys' paste.
  for (QAction* action : menu->actions()) {
    if (disconnect(action, SIGNAL(triggered()), this, SLOT(paste())) ||
        disconnect(action, &QAction::triggered, this, &QLineEdit::paste)) {
      connect(action, &QAction::triggered, this, &KeyFilteredBox::checkedPaste);
    }
  }
  menu->popup(event->globalPos());
}

void KeyFilteredBox::dropEvent(QDropEvent* event) {
  if (!admits(event->mimeData()->text())) {
    event->ignore();
    return;
  }
  QLineEdit::dropEvent(event);
}

void KeyFilteredBox::inputMethodEvent(QInputMethodEvent* event) {
  if (!admits(event->commitString())) {
    event->accept();
    return;
  }
  QLineEdit::inputMethodEvent(event);
}

// Called while the box undoes the edit; the refusal is reported once it is done.
void KeyFilteredBox::textRefused() {
  if (refusalPending_) return;
  refusalPending_ = true;
  QMetaObject::invokeMethod(
      this,
      [this] {
        refusalPending_ = false;
        emit refused();
      },
      Qt::QueuedConnection);
}

}  // namespace astro
