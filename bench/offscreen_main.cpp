// The main() of the benchmarks that make windows: a QApplication on Qt's
// offscreen platform, so they run without a display, then Google Benchmark.
//
// A benchmark may name its screen (ZENTARA_BENCH_SCREEN_WIDTH and _HEIGHT, in
// pixels): a window larger than the platform's own 800 by 600 screen is then
// timed at its own size, as on a usual desktop, instead of squeezed to fit.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>

#include "platform/offscreen_screen.h"

int main(int argc, char** argv) {
#ifdef ZENTARA_BENCH_SCREEN_WIDTH
  QTemporaryDir folder;
  QString error;
  const QSize screen(ZENTARA_BENCH_SCREEN_WIDTH, ZENTARA_BENCH_SCREEN_HEIGHT);
  if (!platform::UseOffscreenScreen(screen, folder.path(), true, error)) {
    qCritical("%s", qPrintable(error));
    return 1;
  }
#else
  qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
  QApplication app(argc, argv);
  // As in the program: windows closed without an event loop quit nothing.
  app.setQuitOnLastWindowClosed(false);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
