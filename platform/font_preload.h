// Loads the system's font configuration on a second thread while the program
// connects to the display.
//
// On systems whose Qt finds fonts through fontconfig, the first text a window
// measures makes fontconfig read its configuration (a few dozen XML files)
// and its font cache: the largest single step of a start, about a quarter of
// the time to the start form, all of it on the main thread. Making the
// connection to the display leaves the processor mostly idle, waiting for the
// display server; loading the configuration beside it takes that step off the
// way to the start form. Elsewhere this does nothing.
#pragma once
#include <thread>

namespace platform {

class FontConfigurationPreload {
 public:
  // Starts loading.
  FontConfigurationPreload();
  // Waits for the loading to end.
  ~FontConfigurationPreload();
  FontConfigurationPreload(const FontConfigurationPreload&) = delete;
  FontConfigurationPreload& operator=(const FontConfigurationPreload&) = delete;

  // Waits for the loading to end: called before the first window is made, so
  // that Qt finds the configuration loaded instead of loading it a second
  // time beside this one.
  void wait();

 private:
  std::thread loader_;
};

}  // namespace platform
