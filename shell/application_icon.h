// The program's icon: the picture of desktop/zentara.svg, which the desktop
// entry installs too. The SVG and the window icon's sizes rendered from it as
// PNG are built into the program as Qt resources, so the icon needs no file at
// run time.
#pragma once
#include <QIcon>

class QApplication;
#include <QPixmap>
#include <array>

namespace shell {

// The square sizes, in pixels, that menus, title bars and task switchers ask for;
// the install renders the same sizes into the hicolor icon theme.
inline constexpr std::array<int, 7> IconSides = {16, 24, 32, 48, 64, 128, 256};

// The sizes of the window icon, which the X11 window manager is handed all of.
inline constexpr std::array<int, 4> WindowIconSides = {16, 32, 64, 128};

// The window icon: each size of WindowIconSides.
QIcon ApplicationIcon();

// Gives every window the icon (QApplication::setWindowIcon) once the first
// window has been shown and painted: the icon is for the desktop's frames and
// task switchers, not for the window's own first picture, so making it waits
// until that picture is up.
void SetWindowIconOnceShown(QApplication& app);

// The icon `side` device-independent pixels square, drawn at the screen's
// `devicePixelRatio` so it stays sharp on a high-density screen.
QPixmap ApplicationPicture(int side, qreal devicePixelRatio = 1.0);

}  // namespace shell
