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

// The frame a window not yet shown is expected to get: that of the window it
// belongs to, once the desktop has framed that one; its own until then.
QSize ExpectedFrameExtra(const QWidget* window);

// `wanted`, the size of a window's inside, made smaller where it must be so
// that the window with a frame of `frameExtra` fits the available area.
QSize SizeWithinScreen(const QWidget* window, QSize wanted, QSize frameExtra);

// Shrinks a top-level window that is larger than the available area with a
// frame of `frameExtra`, down to its minimum size. Done before the window is
// first shown, with the frame it is expected to get, this spares its layout
// setting every control at the size asked for and again at the size that fits.
void ShrinkToScreen(QWidget* window, QSize frameExtra);

// The point size the windows' first sizes were set for: Qt's own default.
inline constexpr double DesignFontPoints = 9;

// The desktop's font size as a share of DesignFontPoints, never below 1: a
// desktop with larger fonts opens the windows larger by this much.
double FontGrowth();

// `size` grown by FontGrowth().
QSize GrownWithFont(QSize size);

// ShrinkToScreen with the window's own frame, and moves a window that reaches
// past an edge back inside.
void KeepOnScreen(QWidget* window);

}  // namespace shell
