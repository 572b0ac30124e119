// How the program's windows keep to the screen: as large as they ask where
// the screen allows it, and wholly on it, never partly off its edges.
#pragma once
#include <QRect>
#include <QSize>

class QWidget;

namespace shell {

// The part of the window's screen that windows may cover: the screen without
// its panels and docks.
QRect AvailableArea(const QWidget* window);

// The outside of `window` beyond its inside: the desktop's frame and title
// bar, as far as the desktop has told them (nothing before it has).
QSize FrameExtra(const QWidget* window);

// `wanted`, the size of a window's inside, made smaller where it must be so
// that the window with its frame fits the available area.
QSize SizeWithinScreen(const QWidget* window, QSize wanted);

// Shrinks a top-level window that is larger than the available area, down to
// its minimum size, and moves one that reaches past an edge back inside.
void KeepOnScreen(QWidget* window);

}  // namespace shell
