#include "shell/unavailable_while_blocked.h"

#include <QEvent>
#include <QMainWindow>
#include <QPointer>

namespace shell {
namespace {

// Qt tells a window when a modal window starts and stops blocking it.
class BlockedLook final : public QObject {
 public:
  explicit BlockedLook(QMainWindow* window) : QObject(window), window_(window) { window->installEventFilter(this); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    // Only these two are looked at: others come while the window is being
    // destroyed, when it is no longer a main window.
    const bool blocked = event->type() == QEvent::WindowBlocked;
    if (!blocked && event->type() != QEvent::WindowUnblocked) return false;
    QWidget* controls = watched == window_ ? window_->centralWidget() : nullptr;
    if (!controls) return false;
    if (blocked) {
      if (!focus_) focus_ = window_->focusWidget();
      controls->setEnabled(false);
    } else {
      controls->setEnabled(true);
      if (focus_) focus_->setFocus(Qt::OtherFocusReason);
      focus_ = nullptr;
    }
    return false;
  }

 private:
  QMainWindow* window_;
  QPointer<QWidget> focus_;  // where the focus was when the window was blocked
};

}  // namespace

void ShowUnavailableWhileBlocked(QMainWindow* window) { new BlockedLook(window); }

}  // namespace shell
