// Tool tips that depend on where the pointer rests within a widget.
#pragma once
#include <QEvent>
#include <QHelpEvent>
#include <QToolTip>
#include <QWidget>
#include <functional>

namespace shell {

// When `event` asks `widget` for its tool tip, shows the text `textAt` gives
// for the pointer's position (none for an empty text) and returns true; false
// for any other event.
inline bool AnswerHover(QWidget* widget, QEvent* event, const std::function<QString(QPoint)>& textAt) {
  if (event->type() != QEvent::ToolTip) return false;
  const auto* help = static_cast<QHelpEvent*>(event);
  const QString text = textAt(help->pos());
  if (text.isEmpty()) {
    QToolTip::hideText();
    event->ignore();
  } else {
    QToolTip::showText(help->globalPos(), text, widget);
  }
  return true;
}

}  // namespace shell
