#include "shell/first_window_shown.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWindow>

namespace shell {
namespace {

// Waits for the first window to be exposed, then, once that expose event (and
// the painting it starts) is handled, acts and removes itself.
class FirstShown final : public QObject {
 public:
  FirstShown(QObject* parent, std::function<void()> act) : QObject(parent), act_(std::move(act)) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (!seen_ && event->type() == QEvent::Expose) {
      if (const auto* window = qobject_cast<QWindow*>(watched); window != nullptr && window->isExposed()) {
        seen_ = true;
        QTimer::singleShot(0, this, [this] {
          act_();
          deleteLater();
        });
      }
    }
    return false;
  }

 private:
  std::function<void()> act_;
  bool seen_ = false;
};

}  // namespace

void AfterFirstWindowShown(QApplication& app, std::function<void()> act) {
  app.installEventFilter(new FirstShown(&app, std::move(act)));
}

}  // namespace shell
