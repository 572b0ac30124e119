#include "shell/startup_report.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWindow>
#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace shell {
namespace {

// Waits for the first window to be exposed, then, once that expose event (and
// the painting it starts) is handled, prints the time and removes itself.
class FirstShown final : public QObject {
 public:
  using QObject::QObject;

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (!seen_ && event->type() == QEvent::Expose) {
      if (const auto* window = qobject_cast<QWindow*>(watched); window != nullptr && window->isExposed()) {
        seen_ = true;
        QTimer::singleShot(0, this, [this] {
          const auto since = std::chrono::system_clock::now().time_since_epoch();
          const auto micro = std::chrono::duration_cast<std::chrono::microseconds>(since).count();
          std::fprintf(stderr, "shown %lld.%06lld\n", static_cast<long long>(micro / 1000000),
                       static_cast<long long>(micro % 1000000));
          std::fflush(stderr);
          deleteLater();
        });
      }
    }
    return false;
  }

 private:
  bool seen_ = false;
};

}  // namespace

void ReportFirstWindowShownWhenAsked(QApplication& app) {
  const char* asked = std::getenv("ZENTARA_REPORT_SHOWN");
  if (asked == nullptr || *asked == '\0') return;
  app.installEventFilter(new FirstShown(&app));
}

}  // namespace shell
