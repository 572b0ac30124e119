#include "astro/match/frame_tab_order.h"

#include <QWidget>

namespace astro {

namespace {

// A widget that hands its focus to another (a tab widget to its bar) is no stop itself.
bool Reachable(const QWidget* widget) {
  return (widget->focusPolicy() & Qt::TabFocus) && widget->isVisible() && widget->isEnabled() &&
         !widget->focusProxy();
}

}  // namespace

QList<QWidget*> TabStops(const QList<QWidget*>& stops) {
  QList<QWidget*> reached;
  for (QWidget* stop : stops) {
    if (!stop || !stop->isVisible()) continue;
    if (Reachable(stop)) reached << stop;
    // The stop's own controls, in the focus chain's order.
    for (QWidget* widget = stop->nextInFocusChain(); widget && widget != stop; widget = widget->nextInFocusChain()) {
      if (stop->isAncestorOf(widget) && Reachable(widget) && !reached.contains(widget)) reached << widget;
    }
  }
  return reached;
}

QWidget* NextTabStop(const QList<QWidget*>& stops, const QWidget* current, bool next) {
  if (stops.isEmpty()) return nullptr;
  qsizetype at = stops.indexOf(const_cast<QWidget*>(current));
  // A control Tab does not stop at (a box inside a combo box, the view of a
  // list) counts as the stop it lies in.
  for (qsizetype s = 0; at < 0 && current && s < stops.size(); ++s) {
    if (stops[s]->isAncestorOf(current)) at = s;
  }
  if (at < 0) return next ? stops.first() : stops.last();
  const qsizetype count = stops.size();
  return stops[(at + (next ? 1 : count - 1)) % count];
}

}  // namespace astro
