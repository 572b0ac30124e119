// Doing something once the program's first window is up: after the first
// window has been exposed and the painting that starts has been done.
#pragma once
#include <functional>

class QApplication;

namespace shell {

// Runs `act` once, from the event loop, right after the first window of `app`
// has been exposed and painted.
void AfterFirstWindowShown(QApplication& app, std::function<void()> act);

}  // namespace shell
