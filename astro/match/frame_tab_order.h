// Tab in the report frame. Qt keeps Tab inside the MDI window that has the
// focus, so from the wheel's window it only ever went between its tab bar and
// "Houses of:", and the report could not be left for the wheel without the
// mouse. The frame instead gives one order through the whole frame: the top
// bar's buttons, the report, the wheel's tab bar, "Houses of:" while shown,
// and the controls of the tab shown; Tab after the last goes to the first.
#pragma once
#include <QList>
#include <QMdiSubWindow>
#include <functional>

namespace astro {

// An MDI window that hands Tab and Shift+Tab to its frame's order.
class FrameSubWindow final : public QMdiSubWindow {
 public:
  using Mover = std::function<bool(bool next)>;
  explicit FrameSubWindow(Mover mover) : mover_(std::move(mover)) {}

 protected:
  bool focusNextPrevChild(bool next) override { return mover_(next); }

 private:
  Mover mover_;
};

// The controls Tab reaches from `stops`, in order: each stop that takes focus
// by Tab, is shown and enabled, followed by such controls inside it, in its
// own focus order.
QList<QWidget*> TabStops(const QList<QWidget*>& stops);

// The stop after (or before) the one that holds the focus, `current` or the
// stop `current` lies in, wrapping round; the first (or last) when it is none
// of them; nullptr for no stops.
QWidget* NextTabStop(const QList<QWidget*>& stops, const QWidget* current, bool next);

}  // namespace astro
