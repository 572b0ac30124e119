#include "shell/form.h"

#include <QCloseEvent>

#include "platform/platform.h"
#include "common/application_title.h"
#include "platform/qt_text.h"
#include "shell/screen_fit.h"

namespace shell {

Form::Form(const char* name, QWidget* parent) : QMainWindow(parent) {
  setObjectName(QString::fromLatin1(name));
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(platform::ToQt(zentara::ApplicationTitle));
  platform::current().formLoaded(this);
}

void Form::forget() {
  if (unloading_) return;
  unloading_ = true;
  platform::current().formUnloaded(this);
  Form_Unload();
}

void Form::unload() {
  if (unloading_) return;
  forget();
  close();
}

void Form::closeEvent(QCloseEvent* event) {
  if (!unloading_) closedByUser();
  forget();
  event->accept();
}

void Form::setVisible(bool visible) {
  // Showing lays the window out at its size before the show event, where it
  // would then be fitted to the screen and laid out again.
  if (visible && !shown_ && isWindow() && !isVisible()) ShrinkToScreen(this, ExpectedFrameExtra(this));
  QMainWindow::setVisible(visible);
}

void Form::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (shown_ || !isWindow()) return;
  shown_ = true;
  KeepOnScreen(this);
}

void Form::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() != QEvent::ActivationChange || activated_ || !isWindow() || !isActiveWindow()) return;
  activated_ = true;
  KeepOnScreen(this);
}

}  // namespace shell
