#include "shell/screen_fit.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace shell {

QRect AvailableArea(const QWidget* window) {
  const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
  return screen ? screen->availableGeometry() : QRect(QPoint(0, 0), window->size());
}

QSize FrameExtra(const QWidget* window) { return window->frameGeometry().size() - window->size(); }

QSize ExpectedFrameExtra(const QWidget* window) {
  const QSize own = FrameExtra(window);
  const QWidget* parent = window->parentWidget();
  return own.isNull() && parent ? FrameExtra(parent->window()) : own;
}

QSize SizeWithinScreen(const QWidget* window, QSize wanted, QSize frameExtra) {
  return wanted.boundedTo(AvailableArea(window).size() - frameExtra);
}

void ShrinkToScreen(QWidget* window, QSize frameExtra) {
  // A window that fits is left its size without asking its layout for its
  // smallest: that measures every control again (a tenth of the start form's
  // first showing).
  const QSize within = SizeWithinScreen(window, window->size(), frameExtra);
  if (within == window->size()) return;
  const QSize fitting = within.expandedTo(window->minimumSizeHint()).boundedTo(window->size());
  if (fitting != window->size()) window->resize(fitting);
}

void KeepOnScreen(QWidget* window) {
  ShrinkToScreen(window, FrameExtra(window));
  const QRect area = AvailableArea(window);
  const QRect outer = window->frameGeometry();
  // Where the frame is wider than the area, its left (top) edge stays in view.
  const int left = qMax(area.left(), qMin(outer.left(), area.right() + 1 - outer.width()));
  const int top = qMax(area.top(), qMin(outer.top(), area.bottom() + 1 - outer.height()));
  if (left != outer.left() || top != outer.top()) window->move(left, top);
}

double FontGrowth() {
  const double points = QApplication::font().pointSizeF();
  return points > DesignFontPoints ? points / DesignFontPoints : 1.0;
}

QSize GrownWithFont(QSize size) {
  const double growth = FontGrowth();
  return {qRound(size.width() * growth), qRound(size.height() * growth)};
}

}  // namespace shell
